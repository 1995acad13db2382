#!/usr/bin/env bash
# Installs the game into a temporary prefix and plays it through its launcher in a real X window on a
# virtual display: the title shows, a key starts play, the labyrinth is drawn, Esc then B end the game
# through its game-over caption, and the process exits with code 0 within a bound.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
for f in bin/vorantis bin/vorantis-replay share/applications/vorantis.desktop share/vorantis/game/DATA/ini.txt; do
  [ -e "$work/prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done

cat >"$work/play.sh" <<SCRIPT
#!/usr/bin/env bash
set -u
shot() { import -window root "$work/\$1.png"; }
brightness() { convert "$work/\$1.png" -format '%[fx:mean]' info:; }
"$work/prefix/bin/vorantis" >"$work/game.log" 2>&1 &
pid=\$!
# The game ends with this script on every path, a failed check or a timeout included.
trap 'kill -9 \$pid 2>/dev/null' EXIT
window=""
for _ in \$(seq 1 60); do
  window=\$(xdotool search --name '^Vorantis\$' 2>/dev/null | head -n 1 || true)
  [ -n "\$window" ] && break
  sleep 0.5
done
[ -n "\$window" ] || { echo "no game window appeared"; kill \$pid; exit 1; }
sleep 2
shot title
xdotool windowfocus --sync "\$window" 2>/dev/null || xdotool windowfocus "\$window"
# Hold a key long enough for the title's polling to see it.
xdotool keydown Return; sleep 0.5; xdotool keyup Return
sleep 4
shot play
xdotool keydown Escape; sleep 0.5; xdotool keyup Escape
sleep 1
xdotool keydown b; sleep 0.5; xdotool keyup b
for _ in \$(seq 1 240); do
  kill -0 \$pid 2>/dev/null || break
  sleep 0.5
done
if kill -0 \$pid 2>/dev/null; then echo "the game did not end within two minutes"; kill \$pid; exit 1; fi
wait \$pid
code=\$?
echo "title brightness \$(brightness title), play brightness \$(brightness play), exit code \$code"
echo "\$code" >"$work/exit_code"
SCRIPT
chmod +x "$work/play.sh"
unset SDL_VIDEODRIVER
timeout -k 5 240 xvfb-run -a -s "-screen 0 1280x720x24" "$work/play.sh"
cat "$work/game.log"
[ "$(cat "$work/exit_code")" = 0 ] || { echo "exit code was not 0"; exit 1; }
title=$(convert "$work/title.png" -format '%[fx:mean]' info:)
play=$(convert "$work/play.png" -format '%[fx:mean]' info:)
difference=$(compare -metric AE "$work/title.png" "$work/play.png" null: 2>&1 || true)
echo "pixels that differ between title and play: $difference"
awk -v t="$title" -v p="$play" -v d="$difference" 'BEGIN { exit !(t > 0.02 && p > 0.02 && d > 10000) }'
