#!/usr/bin/env bash
# Installs the Debian package on this machine with apt-get, checks where its files went, starts the
# installed launcher in a virtual X display and waits for the title (screenshot not black), then
# purges the package again: on every way out, a timeout included.
# Usage: tests/packaging/deb-install-test.sh DEB   (as root, or with sudo)
set -euo pipefail
source "$(dirname "$0")/../scripts/real_window.sh" 600 "$@"
deb=$(readlink -f "$1")
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
installed() { dpkg-query -W -f='${Status}' vorantis 2>/dev/null | grep -q 'install ok installed'; }
installed && fail "vorantis is already installed here: not touching it"
window_on_exit() {
  if installed; then "${sudo_cmd[@]}" apt-get purge -y -q vorantis >"$work/purge.log" 2>&1 || cat "$work/purge.log"; fi
}

# apt reads the file as the _apt user: give it a copy it may read.
cp "$deb" "$work/" && chmod 644 "$work"/*.deb
"${sudo_cmd[@]}" apt-get install -y -q "$work/$(basename "$deb")" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; exit 1; }
for f in /usr/games/vorantis /usr/games/vorantis-replay /usr/lib/vorantis/vorantis \
  /usr/share/games/vorantis/DATA/ini.txt /usr/share/applications/vorantis.desktop \
  /usr/share/icons/hicolor/64x64/apps/vorantis.png /usr/share/man/man6/vorantis.6.gz \
  /usr/share/man/man6/vorantis-replay.6.gz /usr/share/doc/vorantis/copyright; do
  [ -e "$f" ] || fail "not installed: $f"
done
# The packaged replay tool plays the packaged data by default.
/usr/games/vorantis-replay --renderer record --passes 40 --input /dev/null --state "$work/state.json"
grep -q '"kind":"running"' "$work/state.json" || fail "the replay tool did not run the packaged data"

# Only the title is wanted here: the exit trap stops the game outright.
window_display 1024x768
window_start env -C / /usr/games/vorantis
sleep 3
window_shot title
brightness=$(window_mean title)
echo "installed game showed its title: brightness $brightness"
above "$brightness" 0.02 || { cat "$work/game.log"; fail "the title screenshot is black"; }
"${sudo_cmd[@]}" apt-get purge -y -q vorantis >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; exit 1; }
[ ! -e /usr/games/vorantis ] || fail "purge left /usr/games/vorantis behind"
echo "installed, played to the title and purged"
