#!/usr/bin/env bash
# Unpacks the Windows archive and plays the game under Wine in a virtual X display: started from
# another folder, it must find its data beside itself, show the title, start play on a key, and
# end with exit code 0 after Esc then B. Screenshots of title and play must not be black.
# Usage: tests/packaging/wine-game.sh ZIP
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
zip=$(readlink -f "$1")
work=$(mktemp -d)
trap 'wine_down; rm -rf "$work"' EXIT
wine_ready
unzip -q "$zip" -d "$work"
folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
for f in vorantis.exe vorantis-replay.exe README.txt DATA/ini.txt; do
  [ -e "$folder/$f" ] || { echo "not in the archive: $f"; exit 1; }
done
# A GUI program: no console window opens with the game.
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem.*(\(.*\))$/\1/p'; }
[ "$(subsystem "$folder/vorantis.exe")" = "Windows GUI" ] || { echo "vorantis.exe is not a GUI program"; exit 1; }
[ "$(subsystem "$folder/vorantis-replay.exe")" = "Windows CUI" ] ||
  { echo "vorantis-replay.exe is not a console program"; exit 1; }

cat >"$work/play.sh" <<SCRIPT
#!/usr/bin/env bash
set -u
shot() { import -window root "$work/\$1.png"; }
# Only the archive's own DLLs: the Windows machine has no library prefix.
cd "$work" && WINEPATH= wine "$folder/vorantis.exe" >"$work/game.log" 2>&1 &
pid=\$!
window=""
for _ in \$(seq 1 120); do
  window=\$(xdotool search --name '^Vorantis\$' 2>/dev/null | head -n 1 || true)
  [ -n "\$window" ] && break
  kill -0 \$pid 2>/dev/null || break
  sleep 0.5
done
[ -n "\$window" ] || { echo "no game window appeared"; shot failed; kill \$pid 2>/dev/null; exit 1; }
sleep 4
shot title
xdotool windowfocus --sync "\$window" 2>/dev/null || xdotool windowfocus "\$window"
xdotool keydown Return; sleep 0.5; xdotool keyup Return
sleep 6
shot play
xdotool keydown Escape; sleep 0.5; xdotool keyup Escape
sleep 1.5
xdotool keydown b; sleep 0.5; xdotool keyup b
for _ in \$(seq 1 240); do
  kill -0 \$pid 2>/dev/null || break
  sleep 0.5
done
if kill -0 \$pid 2>/dev/null; then echo "the game did not end within two minutes"; kill \$pid; exit 1; fi
wait \$pid
echo \$? >"$work/exit_code"
SCRIPT
chmod +x "$work/play.sh"
status=0
timeout -k 10 400 xvfb-run -a -s "-screen 0 1280x720x24" "$work/play.sh" || status=$?
cat "$work/game.log"
[ "$status" = 0 ] || { echo "the play script failed ($status)"; exit 1; }
code=$(cat "$work/exit_code")
title=$(convert "$work/title.png" -format '%[fx:mean]' info:)
play=$(convert "$work/play.png" -format '%[fx:mean]' info:)
difference=$(compare -metric AE "$work/title.png" "$work/play.png" null: 2>&1 || true)
echo "exit code $code, title brightness $title, play brightness $play, pixels that differ $difference"
if [ -n "${VORANTIS_SHOTS:-}" ]; then mkdir -p "$VORANTIS_SHOTS" && cp "$work"/title.png "$work"/play.png "$VORANTIS_SHOTS/"; fi
[ "$code" = 0 ] || { echo "exit code was not 0"; exit 1; }
awk -v t="$title" -v p="$play" -v d="$difference" 'BEGIN { exit !(t > 0.02 && p > 0.02 && d > 10000) }' ||
  { echo "title or play screenshot is black, or play did not start"; exit 1; }
