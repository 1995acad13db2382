#!/usr/bin/env bash
# The built game in a real X window under Xvfb: the title screen leaves the processor idle,
# quick taps of keys reach the game, Alt+Enter switches between the whole screen and a centred
# window of three quarters of it (the picture kept whole, black bars around it), and SIGINT and
# SIGTERM end it promptly with the shell's status for the signal.
set -euo pipefail
build="$1"
game="$build/src/vorantis"
data="$build/game"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/run.sh" <<'SCRIPT'
#!/usr/bin/env bash
set -u
game=$1 data=$2 work=$3
pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; true' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Starts the game (SIGINT back at its default, as a background job would have it ignored).
start() {
  (cd "$data" && exec env --default-signal=INT "$game") >>"$work/game.log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 1 120); do
    window=$(xdotool search --name '^Vorantis$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.5
  done
  [ -n "$window" ] || fail "no game window appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}
# Polls of 0.1 s until the game has ended, at most $1 of them; prints the count.
polls_to_end() {
  local n=0
  while kill -0 "$pid" 2>/dev/null && [ "$n" -lt "$1" ]; do sleep 0.1; n=$((n + 1)); done
  echo "$n"
}
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "${WIDTH}x${HEIGHT}+${X}+${Y}"; }
mean() { convert "$work/$1.png" -crop "$2" +repage -format '%[fx:mean]' info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# 1. The title waits idle: processor time over 4 s of waiting (in clock ticks).
start
sleep 3
hz=$(getconf CLK_TCK)
before=$(cpu_ticks); sleep 4; after=$(cpu_ticks)
percent=$(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.1f", t * 100 / (hz * 4) }')
echo "title screen: ${percent}% of one core while waiting"
above 25 "$percent" || fail "the title screen keeps the processor busy"

# 2. A tap starts play; Alt+Enter gives a centred window of three quarters of the screen.
xdotool key Return
sleep 4
import -window root "$work/full.png"
xdotool key alt+Return
for _ in $(seq 1 50); do [ "$(geometry)" = "960x540+160+90" ] && break; sleep 0.1; done
[ "$(geometry)" = "960x540+160+90" ] || fail "windowed geometry $(geometry), not 960x540+160+90"
# A taller window: the picture (960 x 540) keeps its shape, with black bars of 30 rows above and below.
xdotool windowsize "$window" 960 600
sleep 2
import -window root "$work/windowed.png"
top=$(mean windowed 960x26+160+92) bottom=$(mean windowed 960x26+160+662) middle=$(mean windowed 960x400+160+190)
echo "windowed: bars $top and $bottom, picture $middle"
above "$top" 0.001 && fail "the top bar is not black"
above "$bottom" 0.001 && fail "the bottom bar is not black"
above "$middle" 0.02 || fail "the windowed picture is black"
xdotool key alt+Return
for _ in $(seq 1 50); do [ "$(geometry)" = "1280x720+0+0" ] && break; sleep 0.1; done
[ "$(geometry)" = "1280x720+0+0" ] || fail "back from the window: geometry $(geometry)"
sleep 2
import -window root "$work/full-again.png"
full=$(mean full 1280x720+0+0) again=$(mean full-again 1280x720+0+0)
echo "whole screen: picture $full, after the switch back $again"
above "$full" 0.02 && above "$again" 0.02 || fail "the whole-screen picture is black"

# 3. Quick taps: Esc opens the quit dialog, B ends the game through its game-over caption.
xdotool key Escape
sleep 1
xdotool key b
n=$(polls_to_end 900)
kill -0 "$pid" 2>/dev/null && fail "quick taps of Esc and B did not end the game"
wait "$pid"; code=$?; pid=""
echo "quick taps: ended with status $code"
[ "$code" = 0 ] || fail "exit status $code after the quit dialog"

# 4. SIGINT on the title screen, SIGTERM in play: each ends the game within ten polls of 0.1 s.
# usage: signal_ends SIGNAL STATUS WHERE — sends the signal and checks how and how soon the game ended.
signal_ends() {
  kill -"$1" "$pid"
  n=$(polls_to_end 50)
  kill -0 "$pid" 2>/dev/null && fail "SIG$1 did not end the game"
  wait "$pid"; code=$?; pid=""
  echo "SIG$1 $3: ended after $n polls, status $code"
  [ "$n" -le 10 ] && [ "$code" = "$2" ] || fail "SIG$1: $n polls, status $code"
}
start
sleep 2
signal_ends INT 130 "on the title"

start
sleep 2
xdotool key Return
sleep 4
signal_ends TERM 143 "in play"
echo ok >"$work/passed"
SCRIPT
chmod +x "$work/run.sh"
unset SDL_VIDEODRIVER
timeout -k 10 280 xvfb-run -a -s "-screen 0 1280x720x24 -br -noreset" "$work/run.sh" "$game" "$data" "$work" || true
[ -f "$work/passed" ] || { echo "--- game output"; cat "$work/game.log" 2>/dev/null; exit 1; }
