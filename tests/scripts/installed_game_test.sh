#!/usr/bin/env bash
# Installs the game into a temporary prefix and plays it through its launcher in a real X window on a
# virtual display: the title shows, a key starts play, the labyrinth is drawn, Esc then B end the game
# through its game-over caption, and the process exits with code 0 within a bound.
set -euo pipefail
source "$(dirname "$0")/real_window.sh" 280 "$@"
build="$1"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
for f in bin/vorantis bin/vorantis-replay share/applications/vorantis.desktop share/vorantis/game/DATA/ini.txt; do
  [ -e "$work/prefix/$f" ] || fail "not installed: $f"
done

window_display 1280x720
window_start "$work/prefix/bin/vorantis"
sleep 2
window_shot title
window_hold Return
sleep 4
window_shot play
window_hold Escape
sleep 1
window_hold b
window_wait_end 1200 "Esc then B within two minutes"
cat "$work/game.log"
[ "$code" = 0 ] || fail "exit code $code, not 0"
window_title_then_play
