#!/usr/bin/env bash
# Runs the window demo on a virtual X display, takes a screenshot of the whole
# screen while it draws, and fails when the screenshot is entirely black.
set -euo pipefail
demo="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/run.sh" <<SCRIPT
#!/usr/bin/env bash
"$demo" 6 >"$work/demo.log" 2>&1 &
pid=\$!
sleep 3
import -window root "$work/shot.png"
wait \$pid
SCRIPT
chmod +x "$work/run.sh"
unset SDL_VIDEODRIVER
xvfb-run -a -s "-screen 0 800x600x24" "$work/run.sh"
cat "$work/demo.log"
brightest=$(convert "$work/shot.png" -format '%[fx:maxima]' info:)
echo "brightest channel in the screenshot: $brightest"
awk -v b="$brightest" 'BEGIN { exit !(b > 0) }'
