# Sourced by the tests that play the game in a real X window: a scratch folder, a private Xvfb
# display, the game's window found with xdotool, keys, screenshots and their brightness.
# usage: source real_window.sh SECONDS "$@"
# The test runs again under `timeout SECONDS`, which ends its whole process group when the time is
# up; the exit trap ends the game and Xvfb on every other way out, and then calls window_on_exit
# when the test defines it (with $status the test's exit status).
if [ -z "${REAL_WINDOW_LIMIT:-}" ]; then REAL_WINDOW_LIMIT=$1 exec timeout -k 30 "$1" bash "$0" "${@:2}"; fi
# Not passed on: a real-window test started from this one gets its own limit.
window_limit=$REAL_WINDOW_LIMIT
unset REAL_WINDOW_LIMIT
work=$(mktemp -d)
chmod 755 "$work"
window_pids=()
fail() {
  echo "FAIL: $*"
  exit 1
}
window_exit() {
  local status=$? pid
  # Reaped here, so that the shell reports no killed jobs.
  for pid in "${window_pids[@]}"; do { kill -KILL "$pid" && wait "$pid"; } 2>/dev/null || true; done
  if declare -F window_on_exit >/dev/null; then window_on_exit; fi
  rm -rf "$work"
  exit "$status"
}
trap window_exit EXIT
trap 'echo "FAIL: stopped after at most $window_limit s"; exit 124' TERM

# usage: window_display WIDTHxHEIGHT [Xvfb options] — a display of this test's own.
window_display() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp "${@:2}" 3>"$work/display" 2>"$work/xvfb.log" &
  window_pids+=($!)
  for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  unset SDL_VIDEODRIVER
}

# usage: window_start COMMAND... — starts the game, output to $work/game.log, and waits at most a
# minute for its window: sets game (its process) and window, and focuses it.
window_start() {
  "$@" >>"$work/game.log" 2>&1 &
  game=$!
  window_pids+=("$game")
  window=""
  for _ in $(seq 1 120); do
    window=$(xdotool search --name '^Vorantis$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$game" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.5
  done
  [ -n "$window" ] || fail "no game window appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}

# Holds a key long enough for the title's polling to see it.
window_hold() {
  xdotool keydown "$1"
  sleep 0.5
  xdotool keyup "$1"
}

window_shot() { import -window root "$work/$1.png"; }
# usage: window_mean SHOT [CROP] — the mean brightness (0 to 1) of a screenshot or a part of it.
window_mean() { convert "$work/$1.png" -crop "${2:-100%x100%}" +repage -format '%[fx:mean]' info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# usage: window_wait_end POLLS WHAT — waits in polls of 0.1 s, at most POLLS of them, for the game
# to end: sets polls (how many it took) and code (its exit status).
window_wait_end() {
  polls=0
  while kill -0 "$game" 2>/dev/null; do
    [ "$polls" -lt "$1" ] || fail "$2 did not end the game"
    sleep 0.1
    polls=$((polls + 1))
  done
  code=0
  wait "$game" || code=$?
}

# Title and play screenshots must both be lit and clearly differ: play started.
window_title_then_play() {
  local title play difference
  title=$(window_mean title) play=$(window_mean play)
  difference=$(compare -metric AE "$work/title.png" "$work/play.png" null: 2>&1 || true)
  echo "title brightness $title, play brightness $play, pixels that differ $difference"
  above "$title" 0.02 && above "$play" 0.02 && above "$difference" 10000 ||
    fail "title or play screenshot is black, or play did not start"
}
