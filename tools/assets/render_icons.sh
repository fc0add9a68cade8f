#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon in packaging/icons/src to the PNG sizes of the hicolor icon theme.
set -eu
cd "$(dirname "$0")/../../packaging/icons"

name=com.orvex.Fieldshot
# The smallest size has a simpler drawing of its own: the full one turns to mush at 16 pixels.
for size in 16 24 32 48 64 128 256; do
    source=src/$name.svg
    [ "$size" -eq 16 ] && source=src/$name-16.svg
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" -o "hicolor/${size}x${size}/apps/$name.png" "$source"
done
