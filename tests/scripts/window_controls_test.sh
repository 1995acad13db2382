#!/usr/bin/env bash
# The built game in a real X window under Xvfb: the title screen leaves the processor idle,
# quick taps of keys reach the game, Alt+Enter switches between the whole screen and a centred
# window of three quarters of it (the picture kept whole, black bars around it), and SIGINT,
# SIGHUP and SIGTERM end it promptly with the shell's status for the signal.
set -euo pipefail
source "$(dirname "$0")/real_window.sh" 300 "$@"
build="$1"
window_on_exit() { [ "$status" = 0 ] || { echo "--- game output"; cat "$work/game.log"; }; }
# SIGINT back at its default, as a background job would have it ignored.
start() { window_start env -C "$build/game" --default-signal=INT "$build/src/vorantis"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "${WIDTH}x${HEIGHT}+${X}+${Y}"; }
# usage: switch_to GEOMETRY — Alt+Enter, then waits up to 5 s for the window's new geometry.
switch_to() {
  xdotool key alt+Return
  for _ in $(seq 1 50); do [ "$(geometry)" = "$1" ] && return; sleep 0.1; done
  fail "after Alt+Enter the geometry is $(geometry), not $1"
}
window_display 1280x720 -br -noreset

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
window_shot full
switch_to 960x540+160+90
# A taller window: the picture (960 x 540) keeps its shape, with black bars of 30 rows above and below.
xdotool windowsize "$window" 960 600
sleep 2
window_shot windowed
top=$(window_mean windowed 960x26+160+92) bottom=$(window_mean windowed 960x26+160+662)
middle=$(window_mean windowed 960x400+160+190)
echo "windowed: bars $top and $bottom, picture $middle"
above "$top" 0.001 && fail "the top bar is not black"
above "$bottom" 0.001 && fail "the bottom bar is not black"
above "$middle" 0.02 || fail "the windowed picture is black"
switch_to 1280x720+0+0
sleep 2
window_shot full-again
full=$(window_mean full) again=$(window_mean full-again)
echo "whole screen: picture $full, after the switch back $again"
above "$full" 0.02 && above "$again" 0.02 || fail "the whole-screen picture is black"

# 3. Quick taps: Esc opens the quit dialog, B ends the game through its game-over caption.
xdotool key Escape
sleep 1
xdotool key b
window_wait_end 900 "quick taps of Esc and B"
echo "quick taps: ended with status $code"
[ "$code" = 0 ] || fail "exit status $code after the quit dialog"

# 4. SIGINT and SIGHUP on the title screen, SIGTERM in play: each ends the game within ten polls of 0.1 s.
# usage: signal_ends SIGNAL STATUS WHERE — sends the signal and checks how and how soon the game ended.
signal_ends() {
  kill -"$1" "$game"
  window_wait_end 50 "SIG$1"
  echo "SIG$1 $3: ended after $polls polls, status $code"
  [ "$polls" -le 10 ] && [ "$code" = "$2" ] || fail "SIG$1: $polls polls, status $code"
}
start
sleep 2
signal_ends INT 130 "on the title"
start
sleep 2
signal_ends HUP 129 "on the title (a closed terminal)"
start
sleep 2
xdotool key Return
sleep 4
signal_ends TERM 143 "in play"
