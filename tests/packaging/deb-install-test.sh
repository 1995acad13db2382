#!/usr/bin/env bash
# Installs the Debian package on this machine with apt-get, checks where its files went, starts the
# installed launcher in a virtual X display and waits for the title (screenshot not black), then
# purges the package again: on every way out, a timeout included.
# Usage: tests/packaging/deb-install-test.sh DEB   (as root, or with sudo)
set -euo pipefail
deb=$(readlink -f "$1")
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
work=$(mktemp -d)
chmod 755 "$work"
installed() { dpkg-query -W -f='${Status}' vorantis 2>/dev/null | grep -q 'install ok installed'; }
cleanup() {
  if installed; then "${sudo_cmd[@]}" apt-get purge -y -q vorantis >"$work/purge.log" 2>&1 || cat "$work/purge.log"; fi
  rm -rf "$work"
}
if installed; then
  echo "vorantis is already installed here: not touching it"
  rm -rf "$work"
  exit 1
fi
trap cleanup EXIT

# apt reads the file as the _apt user: give it a copy it may read.
cp "$deb" "$work/" && chmod 644 "$work"/*.deb
"${sudo_cmd[@]}" apt-get install -y -q "$work/$(basename "$deb")" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; exit 1; }
for f in /usr/games/vorantis /usr/games/vorantis-replay /usr/lib/vorantis/vorantis \
  /usr/share/games/vorantis/DATA/ini.txt /usr/share/applications/vorantis.desktop \
  /usr/share/icons/hicolor/64x64/apps/vorantis.png /usr/share/man/man6/vorantis.6.gz \
  /usr/share/man/man6/vorantis-replay.6.gz /usr/share/doc/vorantis/copyright; do
  [ -e "$f" ] || { echo "not installed: $f"; exit 1; }
done
# The packaged replay tool plays the packaged data by default.
/usr/games/vorantis-replay --renderer record --passes 40 --input /dev/null --state "$work/state.json"
grep -q '"kind":"running"' "$work/state.json" || { echo "the replay tool did not run the packaged data"; exit 1; }

cat >"$work/title.sh" <<SCRIPT
#!/usr/bin/env bash
set -u
cd /
/usr/games/vorantis >"$work/game.log" 2>&1 &
pid=\$!
# Only the title is wanted here: the game is stopped outright (window events do not end it).
trap 'kill -KILL \$pid 2>/dev/null; wait \$pid 2>/dev/null' EXIT
window=""
for _ in \$(seq 1 60); do
  window=\$(xdotool search --name '^Vorantis\$' 2>/dev/null | head -n 1 || true)
  [ -n "\$window" ] && break
  kill -0 \$pid 2>/dev/null || break
  sleep 0.5
done
[ -n "\$window" ] || { echo "no game window appeared"; exit 1; }
sleep 3
import -window root "$work/title.png"
SCRIPT
chmod +x "$work/title.sh"
unset SDL_VIDEODRIVER
timeout -k 10 120 xvfb-run -a -s "-screen 0 1024x768x24" "$work/title.sh" || { cat "$work/game.log"; exit 1; }
brightness=$(convert "$work/title.png" -format '%[fx:mean]' info:)
echo "installed game showed its title: brightness $brightness"
awk -v b="$brightness" 'BEGIN { exit !(b > 0.02) }' || { echo "the title screenshot is black"; exit 1; }
"${sudo_cmd[@]}" apt-get purge -y -q vorantis >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; exit 1; }
[ ! -e /usr/games/vorantis ] || { echo "purge left /usr/games/vorantis behind"; exit 1; }
echo "installed, played to the title and purged"
