#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshot of the main window on a private X server: the simulated camera, two targets drawn
# over its ring target, and a game running for a few seconds.
#
#   tools/screenshot.sh OUT.png [PROGRAM]
#
# PROGRAM defaults to build/bin/fieldshot. SCREENSHOT_DISPLAY picks the X display (default :99),
# SCREENSHOT_WORKDIR the folder the program starts in (default an empty temporary one).
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:?usage: tools/screenshot.sh OUT.png [PROGRAM]}")
program=${2:-$here/build/bin/fieldshot}
display=${SCREENSHOT_DISPLAY:-:99}

for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick xwininfo:x11-utils; do
    command -v "${tool%%:*}" >/dev/null || { echo "missing ${tool%%:*} (Debian package ${tool#*:})" >&2; exit 1; }
done

tmp=$(mktemp -d)
workdir=${SCREENSHOT_WORKDIR:-$tmp}
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

export DISPLAY=$display
# A server that just ended on the same display may still hold its lock: try again a little later.
for attempt in 1 2 3; do
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        xwininfo -root >/dev/null 2>&1 && break 2
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    sleep "$attempt"
done
[ -n "$xvfb_pid" ] || { cat "$tmp/xvfb.log" >&2; echo "no X server on $display" >&2; exit 1; }

(cd "$workdir" && exec env LASER_SOURCES=demo "$program") >"$tmp/program.log" 2>&1 &
app_pid=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "Fieldshot V" 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$tmp/program.log" >&2; echo "no window appeared" >&2; exit 1; }
sleep 2 # the start-up single shot fits the view

# Without a window manager the window sits at the screen's origin in its designed size; the
# points below are its buttons and the simulated camera's ring target in that layout.
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
type_into() { xdotool mousemove "$1" "$2" click --repeat 3 1 key ctrl+a type "$3"; sleep 0.2; }
ellipse() {
    click 716 176 # Add Circle Target
    xdotool mousemove "$1" "$2" mousedown 1 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) \
        mousemove "$3" "$4" mouseup 1
    sleep 0.3
    type_into 756 379 "$5" # name
    type_into 748 441 "$6" # score
}
click 737 50 # Targets page
ellipse 262 330 372 416 Mitte 10
ellipse 140 247 472 514 Scheibe 5
click 826 50  # Game page
click 734 390 # Start
sleep 9
xdotool mousemove 1279 799

geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
# A palette keeps the camera's noise from blowing the file up.
import -window root -crop "$geometry+0+0" +repage +dither -colors 256 "PNG8:$out"
echo "$out ($geometry)"
