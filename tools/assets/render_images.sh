#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the SVG sources in Gui/Img/src to the PNG pictures the program embeds.
set -eu
cd "$(dirname "$0")/../../Gui/Img"

# Toolbar and button icons are drawn on a 64 x 64 grid and rendered at that size.
for name in New Open Save Settings PDFTool Fullscreen FullscreenExit ExitApp \
            Camera Target Game AddRect AddEllipse AddPoly CorrectedRings \
            AddRingTarget Duplicate Delete Timer; do
    rsvg-convert -w 64 -h 64 -o "$name.png" "src/$name.svg"
done

# Style sheet indicators, the missing-camera picture and the logo keep their own sizes.
rsvg-convert -w 16 -h 16 -o Tick.png src/Tick.svg
rsvg-convert -w 12 -h 12 -o ArrowDown.png src/ArrowDown.svg
rsvg-convert -w 12 -h 12 -o ArrowUp.png src/ArrowUp.svg
rsvg-convert -w 640 -h 480 -o NoCam.png src/NoCam.svg
rsvg-convert -w 820 -h 100 -o FieldshotLogo.png src/FieldshotLogo.svg
