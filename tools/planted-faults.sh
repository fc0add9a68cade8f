#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Planted faults: applies each fault of a fixed list, one at a time, to a throwaway copy of
# the source tree, rebuilds, runs the tests and counts the faults the suite catches.
#
# Usage: tools/planted-faults.sh [-l list] [-b build folder] [pattern]
#   list     default tools/planted-faults.txt (format described at its top)
#   folder   default build-faults; holds the copy (src/), its build (build/) and results.txt
#   pattern  only faults whose heading contains it (grep -E), e.g. 'laser/|game/'
# Environment: JOBS (default 2), TEST_TIMEOUT seconds per test (default 60).
#
# The tests of the fault's own folder label run first and stop at the first failure; only an
# escaped fault builds and runs the rest. The footage test runs only for faults in detection
# code. The working tree is never touched: the copy is refreshed from it at every start.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
list="$source_dir/tools/planted-faults.txt"
work="$source_dir/build-faults"
while getopts "l:b:" opt; do
    case $opt in
        l) list=$(realpath "$OPTARG") ;;
        b) work=$(realpath -m "$OPTARG") ;;
        *) sed -n '4,8p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
pattern=${1:-}
jobs=${JOBS:-2}
timeout=${TEST_TIMEOUT:-60}
# Files whose faults can only show on recorded footage.
detection='^laser/(spotdetector|corewhiteness|outshine|pulsefilter|frameprocessor|pictureadjustment)\.'

src="$work/src"
build="$work/build"
results="$work/results.txt"
# A fresh copy of the working tree as it is (tracked and new files), so edits there count;
# tar keeps the times, so an unchanged file is not compiled again.
rm -rf "$src"
mkdir -p "$src"
(cd "$source_dir" && git ls-files -z -co --exclude-standard | tar --null -T - -cf -) | tar -xf - -C "$src"
# The object of the last file a fault was planted in may hold the fault while the fresh copy
# carries the file's old time: make sure it is compiled again.
[ -f "$work/planted-in" ] && touch "$src/$(cat "$work/planted-in")" 2>/dev/null || true
# The build finds the footage beside the source tree.
[ -e "$work/shared" ] || ln -s "$(cd "$source_dir/.." && pwd)/shared" "$work/shared"

# The list: one fault per block.
#   == <file>: <what the fault does>
#   - <exact original text, found exactly once in the file>
#   + <replacement>
mapfile -t headings < <(grep -E '^== ' "$list" | sed 's/^== //' | { grep -E -- "${pattern:-.}" || true; })
[ ${#headings[@]} -gt 0 ] || { echo "no faults match '$pattern' in $list"; exit 2; }

# Writes the original text and the replacement of the fault with that heading, a block's
# "- " and "+ " lines joined, to $work/original.txt and $work/replacement.txt.
fault_parts() {
    python3 - "$list" "$1" "$work" <<'PY'
import sys
listfile, heading, work = sys.argv[1:4]
parts, inside = {"-": [], "+": []}, False
for line in open(listfile, encoding="utf-8"):
    line = line.rstrip("\n")
    if line.startswith("== "):
        if inside:
            break
        inside = line[3:] == heading
    elif inside and line[:1] in parts and line[1:2] in ("", " "):
        parts[line[0]].append(line[2:])
for key, name in (("-", "original.txt"), ("+", "replacement.txt")):
    open(f"{work}/{name}", "w", encoding="utf-8").write("\n".join(parts[key]))
PY
}

# Replaces the fault's original text in a file; prints how often it was found (1 is applied).
apply_fault() {
    python3 - "$1" "$work" <<'PY'
import sys
path, work = sys.argv[1:3]
original = open(f"{work}/original.txt", encoding="utf-8").read()
replacement = open(f"{work}/replacement.txt", encoding="utf-8").read()
text = open(path, encoding="utf-8").read()
count = text.count(original) if original else 0
if count == 1:
    open(path, "w", encoding="utf-8").write(text.replace(original, replacement, 1))
print(count)
PY
}

current=""
restore() {
    if [ -n "$current" ]; then
        cp "$work/original" "$src/$current"
        current=""
    fi
}
trap restore EXIT
trap 'exit 130' INT TERM

if command -v pulseaudio >/dev/null && ! pulseaudio --check 2>/dev/null; then
    pulseaudio --start --exit-idle-time=-1 --load="module-null-sink" >/dev/null 2>&1 || true
fi
export QT_QPA_PLATFORM=offscreen

cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFIELDSHOT_TEST_TIMEOUT="$timeout" >/dev/null
echo "Building the unaltered copy ..."
nice cmake --build "$build" -j "$jobs" >/dev/null
echo "Running the suite on it (it has to pass) ..."
if ! nice ctest --test-dir "$build" -j "$jobs" -E laser_eval >"$work/baseline.log" 2>&1; then
    echo "The suite fails without any fault; see $work/baseline.log"
    exit 1
fi

# ctest prints one line per finished test; these name the failed ones.
failed_tests() { sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p; s/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*Not Run.*/\1/p' "$1" | head -3 | paste -sd' '; }

: >"$results"
caught=0
total=0
escaped=()
for heading in "${headings[@]}"; do
    file=${heading%%:*}
    total=$((total + 1))
    fault_parts "$heading"
    cp "$src/$file" "$work/original"
    count=$(apply_fault "$src/$file")
    if [ "$count" != 1 ]; then
        line="STALE    $heading (original text found $count times)"
        echo "$line" | tee -a "$results"
        escaped+=("$heading (stale)")
        continue
    fi
    current=$file
    echo "$file" >"$work/planted-in"

    folder=${file%%/*}
    case $folder in pdftool) label=pdf ;; *) label=$folder ;; esac
    exclude=laser_eval
    [[ $file =~ $detection ]] && exclude='^$'
    verdict=""
    by=""
    start=$SECONDS
    # First the tests of the fault's own folder.
    own=$(ctest --test-dir "$build" -N -L "^$label\$" -E "$exclude" | sed -n 's/^ *Test *#[0-9]*: *//p' | paste -sd' ')
    if [ -n "$own" ]; then
        # shellcheck disable=SC2086
        targets=$(echo $own | tr ' ' '\n' | sed 's/^laser_eval_.*/laser-eval/' | sort -u | paste -sd' ')
        # shellcheck disable=SC2086
        if ! nice cmake --build "$build" -j "$jobs" --target $targets >"$work/fault-build.log" 2>&1; then
            verdict="NOBUILD"
        elif ! nice ctest --test-dir "$build" -L "^$label\$" -E "$exclude" --stop-on-failure \
                >"$work/fault-tests.log" 2>&1; then
            verdict="caught"
            by=$(failed_tests "$work/fault-tests.log")
        fi
    fi
    # Then everything else.
    if [ -z "$verdict" ]; then
        if ! nice cmake --build "$build" -j "$jobs" >"$work/fault-build.log" 2>&1; then
            verdict="NOBUILD"
        else
            args=(-E "$exclude")
            [ -n "$own" ] && args+=(-LE "^$label\$")
            if ! nice ctest --test-dir "$build" -j "$jobs" "${args[@]}" --stop-on-failure \
                    >"$work/fault-tests.log" 2>&1; then
                verdict="caught"
                by=$(failed_tests "$work/fault-tests.log")
            else
                verdict="ESCAPED"
            fi
        fi
    fi
    restore
    [ "$verdict" = caught ] && caught=$((caught + 1))
    [ "$verdict" = caught ] || escaped+=("$heading${verdict:+ ($verdict)}")
    line=$(printf '%-8s %s%s  [%ds]' "$verdict" "$heading" "${by:+  <- $by}" $((SECONDS - start)))
    echo "$line" | tee -a "$results"
done

echo
echo "Caught $caught of $total planted faults."
if [ ${#escaped[@]} -gt 0 ]; then
    echo "Not caught:"
    printf '  %s\n' "${escaped[@]}"
fi
{ echo; echo "Caught $caught of $total planted faults."; } >>"$results"
