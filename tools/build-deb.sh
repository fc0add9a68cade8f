#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and its camera library, and packs them with their
# data into a Debian package: build/fieldshot_<version>_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target fieldshot Laser
rm -f "$build"/fieldshot_*.deb
(cd "$build" && cpack -G DEB)
