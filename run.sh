#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Fieldshot and starts it. Extra arguments are ignored.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target fieldshot Laser
exec "$build/bin/fieldshot"
