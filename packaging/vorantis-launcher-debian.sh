#!/bin/sh
# Starts the game in its data folder: the game reads its data from the current directory.
here=$(dirname "$(readlink -f "$0")")
prefix=$(dirname "$here")
cd "$prefix/share/games/vorantis" || exit 1
exec "$prefix/lib/vorantis/vorantis" "$@"
