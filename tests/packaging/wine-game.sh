#!/usr/bin/env bash
# Unpacks the Windows archive and plays the game under Wine in a virtual X display: started from
# another folder, it must find its data beside itself, show the title, start play on a key, and
# end with exit code 0 after Esc then B. Screenshots of title and play must not be black.
# Usage: tests/packaging/wine-game.sh ZIP
set -euo pipefail
source "$(dirname "$0")/../scripts/real_window.sh" 600 "$@"
source "$(dirname "$0")/wine-env.sh"
window_on_exit() { wine_down; }
zip=$(readlink -f "$1")
wine_ready
unzip -q "$zip" -d "$work"
folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
for f in vorantis.exe vorantis-replay.exe README.txt DATA/ini.txt; do
  [ -e "$folder/$f" ] || fail "not in the archive: $f"
done
# A GUI program: no console window opens with the game.
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem.*(\(.*\))$/\1/p'; }
[ "$(subsystem "$folder/vorantis.exe")" = "Windows GUI" ] || fail "vorantis.exe is not a GUI program"
[ "$(subsystem "$folder/vorantis-replay.exe")" = "Windows CUI" ] || fail "vorantis-replay.exe is not a console program"

window_display 1280x720
# Only the archive's own DLLs: the Windows machine has no library prefix.
window_start env -C "$work" WINEPATH= wine "$folder/vorantis.exe"
sleep 4
window_shot title
window_hold Return
sleep 6
window_shot play
window_hold Escape
sleep 1.5
window_hold b
window_wait_end 1200 "Esc then B within two minutes"
cat "$work/game.log"
if [ -n "${VORANTIS_SHOTS:-}" ]; then mkdir -p "$VORANTIS_SHOTS" && cp "$work"/title.png "$work"/play.png "$VORANTIS_SHOTS/"; fi
[ "$code" = 0 ] || fail "exit code $code, not 0"
window_title_then_play
