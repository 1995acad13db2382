#!/usr/bin/env bash
# The game's 1920x1080 frame against its floor, measured in the same run: the replay tool on
# the default data (offscreen GL, and the recording renderer for the game's own share) and
# bench_bare_gl_frame, the plainest GL program issuing the same draws: once with the zoom in the
# hardware's bilinear (the floor the target is held to) and once with the zoom's key kept out of
# its filter by hand, as the game must to keep its pixels. Per-frame figures
# leave start-up out (a one-pass run is subtracted). Wall time is what a player sees; CPU time
# (all threads, the rasteriser's included) holds steadier on a machine shared with other work.
# usage: bench/frame_floor.sh [build folder] [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-3}
replay=$build/tools/replay/vorantis-replay
bare=$build/bench/bench_bare_gl_frame
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=offscreen
printf '0 +A\n2 -A\n10 +DOWN\n17 -DOWN\n18 +RIGHT\n25 -RIGHT\n26 +DOWN\n33 -DOWN\n34 +RIGHT\n90 -RIGHT\n91 +DOWN\n150 -DOWN\n151 +LEFT\n200 -LEFT\n' >"$work/walk.txt"

run() {  # renderer passes: prints wall seconds, CPU seconds, frames
  local start end user sys
  start=$(date +%s.%N)
  /usr/bin/time -f '%U %S' -o "$work/time" "$replay" --renderer "$1" --size 1920x1080 --input "$work/walk.txt" \
    --passes "$2" --state "$work/state.json" >/dev/null 2>&1
  end=$(date +%s.%N)
  read -r user sys <"$work/time"
  echo "$start $end $user $sys $(grep -o '"frames": *[0-9]*' "$work/state.json" | grep -o '[0-9]*$')" |
    awk '{ print $2 - $1, $3 + $4, $5 }'
}

for round in $(seq 1 "$rounds"); do
  read -r wall0 cpu0 frames0 < <(run gl 1)
  read -r wall1 cpu1 frames1 < <(run gl 240)
  awk -v n="$round" -v w="$((frames1 - frames0))" -v a="$wall0" -v b="$wall1" -v c="$cpu0" -v d="$cpu1" 'BEGIN {
    wall = 1000 * (b - a) / w; cpu = 1000 * (d - c) / w
    printf "round %d  replay gl      %7.2f ms per frame (%5.1f frames/s), %6.2f CPU ms per frame\n", n, wall,
      1000 / wall, cpu
    printf "gl %f %f\n", wall, cpu >> "'"$work/figures"'" }'
  # The game's own share is too small to show as a difference: the whole run, start-up included.
  read -r wall cpu frames < <(run record 2400)
  awk -v n="$round" -v f="$frames" -v w="$wall" -v c="$cpu" 'BEGIN {
    printf "round %d  replay record %7.3f ms per frame, %6.3f CPU ms per frame (start-up included)\n", n,
      1000 * w / f, 1000 * c / f }'
  "$bare" --frames 240 | tee "$work/bare" | sed "s/^/round $round  /"
  awk '{ printf "bare %f %f\n", $8, $(NF - 4) }' "$work/bare" >>"$work/figures"
  "$bare" --frames 240 --zoom keyed | tee "$work/bare" | sed "s/^/round $round  keyed zoom /"
  awk '{ printf "keyed %f %f\n", $8, $(NF - 4) }' "$work/bare" >>"$work/figures"
done

# Best and median of each, and the game frame as a multiple of the floor (and of the keyed-zoom floor).
awk '
  { wall[$1] = wall[$1] " " $2; cpu[$1] = cpu[$1] " " $3 }
  function pick(list, which,   v, n, i, j, t) {
    n = split(list, v, " ")
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return which == "best" ? v[1] : v[int((n + 1) / 2)]
  }
  END {
    for (k = 1; k <= 2; ++k) {
      which = k == 1 ? "best" : "median"
      g = pick(wall["gl"], which); f = pick(wall["bare"], which)
      gc = pick(cpu["gl"], which); fc = pick(cpu["bare"], which)
      printf "%-6s game frame %6.2f ms (%5.1f frames/s), floor %6.2f ms: %.2f x  |  CPU %6.2f vs %6.2f ms: %.2f x  [target 1.1 x]\n",
        which, g, 1000 / g, f, g / f, gc, fc, gc / fc
      f = pick(wall["keyed"], which); fc = pick(cpu["keyed"], which)
      printf "%-6s            against the floor with a keyed zoom %6.2f ms: %.2f x  |  CPU %6.2f ms: %.2f x\n",
        which, f, g / f, fc, gc / fc
    }
  }' "$work/figures"
