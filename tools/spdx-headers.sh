#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file of the repository that lacks one its SPDX licence line: the camera
# library (laser/) is LGPL-2.1-or-later, everything else GPL-3.0-or-later. C and C++ files get a
# "//" comment, CMake, shell and Python files a "#" comment; a "#!" line stays the first line.
#
#   tools/spdx-headers.sh           add the missing lines
#   tools/spdx-headers.sh --check   list the files without one; exit status 1 when there are any
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
case "${1:-}" in
    --check) check=1 ;;
    "") ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

# The licence a file carries, by where it lies.
licence_of() {
    case "$1" in
        laser/*) echo "LGPL-2.1-or-later" ;;
        *) echo "GPL-3.0-or-later" ;;
    esac
}

# The comment leader of a file, or nothing for a file that is no source.
comment_of() {
    case "$1" in
        *.c | *.cpp | *.h | *.hpp) echo "//" ;;
        *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt) echo "#" ;;
        *)
            # Scripts without an extension are known by their "#!" line.
            if head -c 2 "$1" 2>/dev/null | grep -q '^#!'; then echo "#"; fi ;;
    esac
}

# Tracked files when this is a git checkout, every file below the top otherwise (an unpacked
# source archive); build folders are never looked at.
list_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files
    else
        find . -type f -not -path './build*' -not -path './.git/*' | sed 's|^\./||'
    fi
}

missing=0
while IFS= read -r file; do
    [ -f "$file" ] || continue
    leader=$(comment_of "$file")
    [ -n "$leader" ] || continue
    # The line belongs at the top: a mention further down (a script that writes such lines,
    # like this one) does not count.
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier:' && continue
    missing=$((missing + 1))
    if [ "$check" -eq 1 ]; then
        echo "$file"
        continue
    fi
    line="$leader SPDX-License-Identifier: $(licence_of "$file")"
    tmp=$(mktemp "$file.spdx.XXXXXX")
    if head -n 1 "$file" | grep -q '^#!'; then
        { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } >"$tmp"
    else
        { echo "$line"; cat "$file"; } >"$tmp"
    fi
    # Same permissions as before (scripts stay executable), then put in place whole.
    chmod --reference="$file" "$tmp"
    mv "$tmp" "$file"
done < <(list_files)

if [ "$check" -eq 1 ]; then
    [ "$missing" -eq 0 ] || { echo "$missing file(s) without an SPDX-License-Identifier line" >&2; exit 1; }
    echo "every source file has an SPDX-License-Identifier line"
else
    echo "added an SPDX-License-Identifier line to $missing file(s)"
fi
