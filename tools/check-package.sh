#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it without installing it on this machine: unpacked into a
# temporary root, it must hold the program, its camera library and its data and nothing else,
# its desktop entry, AppStream metadata and copyright file must validate, and the unpacked program must start
# and load the camera library from beside itself.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

bash tools/build-deb.sh
debs=("$build"/fieldshot_*.deb)
deb=${debs[0]}
echo "Checking $deb"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
dpkg-deb -x "$deb" "$root"

fail() { echo "package check: $*" >&2; exit 1; }

app_id=com.orvex.Fieldshot
expected=(
    usr/bin/fieldshot
    usr/lib/fieldshot/libLaser.so
    usr/share/applications/$app_id.desktop
    usr/share/metainfo/$app_id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$app_id.svg
    usr/share/icons/hicolor/48x48/apps/$app_id.png
    usr/share/man/man1/fieldshot.1.gz
    usr/share/doc/fieldshot/copyright
)
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing /$f"
done
# Only the program, its library and data: no tests, benchmarks or tools.
unexpected=$(cd "$root" && find . -type f | grep -v -E '^\./usr/(bin/fieldshot|lib/fieldshot/libLaser\.so|share/(applications|metainfo|icons/hicolor|man/man1)/.*|share/doc/fieldshot/copyright)$' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
file "$root/usr/bin/fieldshot" | grep -q 'ELF.*executable' || fail "usr/bin/fieldshot is no executable"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt5widgets5 libqt5multimedia5 libopencv-videoio qttranslations5-l10n libqt5charts5 libqt5sql5-sqlite libqt5sql5-psql; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

python3 tools/check-copyright.py "$root/usr/share/doc/fieldshot/copyright" --source . \
    || fail "usr/share/doc/fieldshot/copyright is no sound machine-readable copyright file"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"

export QT_QPA_PLATFORM=offscreen
version=$("$root/usr/bin/fieldshot" --version)
[ "$version" = "fieldshot $(dpkg-deb -f "$deb" Version)" ] || fail "--version printed '$version'"

# Started in an empty folder, the program keeps running (without its library it would quit
# after 200 ms) and the dynamic loader reports the library it took from the unpacked root.
mkdir "$tmp/work"
status=0
(cd "$tmp/work" && LD_DEBUG=files timeout 4 "$root/usr/bin/fieldshot") >"$tmp/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$tmp/run.log" >&2; fail "the program ended by itself (status $status)"; }
grep -q "LaserDLL not Found" "$tmp/run.log" && fail "the program did not find its camera library"
grep -q "file=$root/usr/lib/fieldshot/libLaser.so .*dynamically loaded" "$tmp/run.log" \
    || fail "the camera library was not loaded from $root/usr/lib/fieldshot"
grep -q "Laser DLL-Version:" "$tmp/run.log" || fail "no camera library version reported"
echo "package check passed: $deb ($version)"
