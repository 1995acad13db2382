#!/usr/bin/env bash
# Runs the window demo on a virtual X display, takes a screenshot of the whole
# screen while it draws, and fails when the screenshot is entirely black.
set -euo pipefail
source "$(dirname "$0")/real_window.sh" 55 "$@"
window_display 800x600
"$1" 6 >"$work/demo.log" 2>&1 &
window_pids+=($!)
sleep 3
window_shot shot
wait "${window_pids[-1]}"
cat "$work/demo.log"
brightest=$(convert "$work/shot.png" -format '%[fx:maxima]' info:)
echo "brightest channel in the screenshot: $brightest"
above "$brightest" 0 || fail "the screenshot is black"
