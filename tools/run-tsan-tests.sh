#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the camera library and its threaded tests with ThreadSanitizer in a separate folder
# and runs the tests labelled tsan. Usage: tools/run-tsan-tests.sh [build folder]
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$source_dir/build-tsan"}
jobs=${JOBS:-2}

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFIELDSHOT_TSAN=ON -DFIELDSHOT_BUILD_APP=OFF -DFIELDSHOT_BUILD_TESTS=ON
tests=$(ctest --test-dir "$build_dir" -N -L tsan | sed -n 's/^ *Test *#[0-9]*: *//p')
# shellcheck disable=SC2086
cmake --build "$build_dir" -j "$jobs" --target Laser $tests
# The tests carry their TSAN_OPTIONS (halt on the first race, Qt's own suppressed).
ctest --test-dir "$build_dir" -L tsan --output-on-failure
