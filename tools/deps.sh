#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Fieldshot needs to build, run and test (only those missing).
set -euo pipefail

packages=(
    build-essential cmake ccache pkg-config
    qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins qttools5-dev qttools5-dev-tools
    libqt5svg5-dev
    qttranslations5-l10n
    libopencv-core-dev libopencv-imgproc-dev libopencv-videoio-dev libv4l-dev
    libturbojpeg0-dev
    libpoppler-qt5-dev libbenchmark-dev gcovr
    python3-opencv python3-numpy
    pulseaudio xvfb xauth fonts-dejavu-core
    dpkg-dev file desktop-file-utils appstream
    libqt5sql5-sqlite libqt5sql5-psql libqt5charts5-dev postgresql
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
