#!/usr/bin/env bash
# Remakes the README's screenshots in docs/screenshots/ from headless runs of scripted games:
# the title, the first rules page, a single-player and a two-player game. The games are the
# same on every run (a game's street follows from the frame it was started in), so unchanged
# pictures give unchanged files. CURBSIDE=path/to/curbside uses that program instead of
# setting up and building build/curbside.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${CURBSIDE:-}" ]; then
  scripts/setup.sh
  CURBSIDE=build/curbside
fi
game=$(realpath "$CURBSIDE")
out=$(pwd)/docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# shot <name> <frame> <script lines...>: the picture of that frame as docs/screenshots/NAME.png
shot() {
  local name=$1 frame=$2
  shift 2
  printf '%s\n' "$@" > "$name.txt"
  "$game" --headless --script "$name.txt" --frames "$frame" --shot "$frame:$name.tif" 2>/dev/null
  convert -quiet "$name.tif" -strip -define png:exclude-chunks=date,time "$out/$name.png"
  echo "docs/screenshots/$name.png"
}

# The title waits for a click; the scripts click its buttons at frame 10.
shot title 5 "1 mouse-move 400 580"
shot rules 30 "5 mouse-move 640 437" "10 mouse-down left" "12 mouse-up left"
# One player: the first passer-by to come by favours the rabbit trick today; the performer
# follows it (q) and holds 3, and by frame 950 it has paid twice.
shot single-player 950 "5 mouse-move 640 255" "10 mouse-down left" "12 mouse-up left" \
  "667 char q" "667 key-down 51"
# Two players: player 1 walks right with M, player 2 with the right mouse button and back with
# the left one; a thief has just robbed player 2.
shot two-players 850 "5 mouse-move 537 345" "10 mouse-down left" "12 mouse-up left" \
  "330 key-down 77" "330 mouse-down right" "360 mouse-up right" "400 key-up 77" \
  "420 mouse-down left" "450 mouse-up left"
