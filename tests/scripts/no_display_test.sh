#!/usr/bin/env bash
# The built game started where there is no display and no video driver was asked for: it must
# not run unseen on a memory-only driver, but end at once with the window report on stderr.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
(cd "$build/game" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER \
  timeout -k 5 60 "$build/src/vorantis") >"$work/out" 2>"$work/err" </dev/null || status=$?
echo "exit status $status; standard error:"
cat "$work/err"
[ "$status" = 0 ] || { echo "FAIL: the game did not end normally (124: it kept running)"; exit 1; }
grep -qx 'ERROR ' "$work/err" && grep -qx ' Could not open window' "$work/err" ||
  { echo "FAIL: no window report on standard error"; exit 1; }
