#!/usr/bin/env bash
# The Windows replay tool, run under Wine, must write the same state and trace, byte for byte, as the
# native one: scripted play on the default data and on the level-file data, the fixtures' own levels
# and configurations (backslash folders, edge values, a missing level file's report), and seeded
# monkey games on keyboard and gamepad.
# Usage: tests/packaging/wine-replays.sh   (after scripts/build-windows)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)
native=$win/native/tools/replay/vorantis-replay
windows=$win/cross/tools/replay/vorantis-replay.exe
work=$(mktemp -d)
trap 'wine_down; rm -rf "$work"' EXIT
wine_ready

printf '0 +SPACE\n1 -SPACE\n10 +RIGHT\n70 -RIGHT\n75 +DOWN\n120 -DOWN\n130 +SPACE\n131 -SPACE\n140 +P\n141 -P\n150 +X\n151 -X\n160 +PGUP\n161 -PGUP\n200 +ESC\n201 -ESC\n210 +B\n211 -B\n' >"$work/walk.txt"
cases=(
  "default-walk|$win/native/game|--input $work/walk.txt --passes 900"
  "levelfile-walk|$win/native/game-levelfile|--input $work/walk.txt --passes 400 --size 1024x768"
  "default-monkey|$win/native/game|--monkey 7 --passes 6000"
  "default-pad-monkey|$win/native/game|--monkey 3 --gamepad --passes 4000"
  "room|$root/tests/fixtures/e2e/room|--monkey 11 --passes 3000"
  "generated|$root/tests/fixtures/e2e/generated|--monkey 5 --passes 3000"
  "tiny-generated|$root/tests/fixtures/replay/tiny_generated|--input $work/walk.txt --passes 300"
  "settings-edges|$root/tests/fixtures/replay/settings_edges|--input $work/walk.txt --passes 300"
  "level-file-missing|$root/tests/fixtures/replay/level_file_missing|--input $work/walk.txt --passes 50"
  "self-create-missing|$root/tests/fixtures/replay/self_create_missing|--input $work/walk.txt --passes 50"
)
failed=0
passed=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name data options <<<"$entry"
  mkdir -p "$work/$name/linux" "$work/$name/windows"
  # shellcheck disable=SC2086
  timeout -k 5 300 "$native" --data "$data" --renderer record $options \
    --state "$work/$name/linux/state.json" --trace "$work/$name/linux/trace.jsonl" >/dev/null 2>&1 ||
    { echo "FAIL $name: the native tool failed"; failed=1; continue; }
  # shellcheck disable=SC2086
  if ! timeout -k 5 300 wine "$windows" --data "$data" --renderer record $options \
    --state "$work/$name/windows/state.json" --trace "$work/$name/windows/trace.jsonl" \
    >"$work/$name/windows/out.txt" 2>&1; then
    echo "FAIL $name: the Windows tool failed"
    cat "$work/$name/windows/out.txt"
    failed=1
    continue
  fi
  for f in state.json trace.jsonl; do
    # Paths the game builds from its current directory carry Wine's drive letter.
    sed -i -e 's/Z:\\\\/\\\\/g' -e 's|Z:/|/|g' "$work/$name/windows/$f"
    if ! cmp -s "$work/$name/linux/$f" "$work/$name/windows/$f"; then
      echo "FAIL $name: $f differs"
      diff <(tr ',' '\n' <"$work/$name/linux/$f") <(tr ',' '\n' <"$work/$name/windows/$f") | head -n 10 || true
      failed=1
      continue 2
    fi
  done
  frames=$(wc -l <"$work/$name/linux/trace.jsonl")
  end=$(grep -o '"end":{[^}]*}' "$work/$name/linux/state.json")
  echo "ok   $name: $frames frames, $end"
  passed=$((passed + 1))
done
echo "replays: $passed passed, $((${#cases[@]} - passed)) failed"
exit $failed
