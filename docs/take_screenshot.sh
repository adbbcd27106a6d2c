#!/usr/bin/env bash
# Retakes docs/screenshot.png: starts the built program on a virtual X
# display, types 72, presses Square Root and captures the window.
# Needs a build in build/release and the packages xvfb, xdotool, imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."

display=:97
# Set before the trap, so that an interrupt at any point stops what started.
xvfb_pid=
app_pid=
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true' EXIT
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb_pid=$!
export DISPLAY=$display
sleep 1

build/release/app/qt/number-tool &
app_pid=$!
window=$(xdotool search --sync --onlyvisible --name "Number Tool" | head -n 1)
xdotool windowfocus --sync "$window"
xdotool type --delay 50 "72"
xdotool key --delay 50 alt+s
sleep 0.5
import -window "$window" docs/screenshot.png
echo "Wrote docs/screenshot.png"
