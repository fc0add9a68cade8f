#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project-file fuzz driver with AddressSanitizer and UndefinedBehaviorSanitizer in a
# separate folder and runs it for a time budget. Any sanitizer report, crash or hang fails.
# Usage: tools/run-fuzz.sh [seconds] [build folder]; FUZZ_SECONDS and FUZZ_SEED work as well.
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
build_dir=${2:-"$source_dir/build-asan"}
jobs=${JOBS:-2}
# float-cast-overflow is not part of GCC's "undefined": a 1e308 cast to int must be caught too.
flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" -j "$jobs" --target project-fuzz

# Qt's own libraries are not instrumented; leaks inside them at exit are not ours to report.
# hard_rss_limit_mb turns unbounded memory growth into a failure.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:hard_rss_limit_mb=3000:abort_on_error=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
QT_QPA_PLATFORM=offscreen \
    timeout $((seconds + 120)) "$build_dir/bin/project-fuzz" "$seconds" "${FUZZ_SEED:-1}"
