#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the code outside tests/ by the whole test suite.
# Configures a separate instrumented build, runs every test and prints a gcovr
# summary per top-level folder, then the whole tree.
# Usage: tools/coverage.sh [build folder]     (default: build-coverage; JOBS=2)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$source_dir/build-coverage"}
jobs=${JOBS:-2}

if ! command -v gcovr >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends gcovr
fi

# Absolute source names in the notes files: a ccache base folder makes them relative, and for
# objects built in a subfolder (the camera library) gcovr cannot guess the folder they are
# relative to. With absolute names inside, an object from another checkout is no use either.
export CCACHE_BASEDIR= CCACHE_HASHDIR=true
# The camera library counts from several threads: without atomic updates its counters can
# come out negative.
flags="--coverage -fprofile-update=atomic"
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage >/dev/null
nice cmake --build "$build_dir" -j "$jobs" >/dev/null

# Counters of an earlier run would add up with this one.
find "$build_dir" -name '*.gcda' -delete
if command -v pulseaudio >/dev/null && ! pulseaudio --check 2>/dev/null; then
    pulseaudio --start --exit-idle-time=-1 --load="module-null-sink" >/dev/null 2>&1 || true
fi
QT_QPA_PLATFORM=offscreen nice ctest --test-dir "$build_dir" -j "$jobs" --output-on-failure \
    || echo "coverage: some tests failed; the figures below still count what ran"

summary="$build_dir/coverage-summary.json"
# Unreachable and exception branches are the compiler's, not the code's.
gcovr --root "$source_dir" --object-directory "$build_dir" \
    --exclude "$source_dir/tests/" --exclude "$build_dir/" --exclude '.*/build[^/]*/' \
    --exclude-directories '.*/CMakeFiles/[0-9.]+/.*' \
    --exclude-unreachable-branches --exclude-throw-branches \
    --json-summary "$summary" >/dev/null
python3 - "$summary" <<'PY'
import json, sys
from collections import defaultdict
files = json.load(open(sys.argv[1]))["files"]
sums = defaultdict(lambda: [0, 0, 0, 0])
for f in files:
    folder = f["filename"].split("/")[0] if "/" in f["filename"] else "."
    # The benchmark program sits in the library's folder but no test runs it.
    if f["filename"].startswith("laser/bench/"):
        folder = "laser/bench"
    for key in (folder, "TOTAL"):
        s = sums[key]
        s[0] += f["line_covered"]; s[1] += f["line_total"]
        s[2] += f["branch_covered"]; s[3] += f["branch_total"]
def pct(a, b):
    return f"{100.0 * a / b:5.1f}%" if b else "    -"
print(f"{'folder':<12} {'lines':>15} {'line %':>7} {'branches':>15} {'branch %':>8}")
for key in sorted(k for k in sums if k != "TOTAL") + ["TOTAL"]:
    l, lt, b, bt = sums[key]
    print(f"{key:<12} {l:>7}/{lt:<7} {pct(l, lt):>7} {b:>7}/{bt:<7} {pct(b, bt):>8}")
PY

# The size of the tests against the code they cover: C and C++ lines under tests/ and elsewhere.
if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    count_lines() { git -C "$source_dir" ls-files -z '*.cpp' '*.h' '*.c' | grep -z "$@" | xargs -0 -r -I{} cat "$source_dir/{}" | wc -l; }
    tests=$(count_lines '^tests/')
    code=$(count_lines -v '^tests/')
    python3 -c "import sys; t, c = map(int, sys.argv[1:]); print(f'tests/code: {t} / {c} lines = {t / c:.2f}')" "$tests" "$code"
fi
