#!/usr/bin/env bash
# The real display path: the SDL backend shows scripted games on an X server (Xvfb, a
# 1600 x 1200 screen), and what the server shows must be the headless screenshot of the same
# frame: pixel for pixel in a window at 1:1, and as 2 x 2 blocks where the picture is shown
# twice its size. On the way the window is switched to full screen with F11 and back with
# Alt+Enter, and resized, as a player would (xdotool). Needs xvfb-run, ImageMagick, xwininfo
# (x11-utils) and xdotool.
#   tests/display/xvfb-capture-test.sh build/curbside
set -euo pipefail
game=$(realpath "${1:?usage: $0 path/to/curbside}")
. "$(dirname "$(realpath "$0")")/still-frames.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy
shot_bytes=$((204 + 800 * 600 * 3))  # a complete --shot file

fail() {
  echo "FAIL: $*"
  exit 1
}

# The still frames the screen must show: a paused single-player game, the first rules page.
still_frames "$game"

# What runs inside the X session. The game takes its own screenshot of the still frame; once
# that file is complete the still picture is on the screen. Each step then waits for the
# window to reach the expected geometry (x y width height, from xwininfo), lets a few frames
# be shown and captures the whole screen. SIGTERM at the end is SDL's quit: the game must end
# cleanly with exit code 0.
cat > session.sh <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
game=$1 script=$2 still=$3 bytes=$4 mode=$5
geometry() {
  xwininfo -name Curbside | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' |
    tr '\n' ' ' | sed 's/ $//'
}
# capture <name> <expected geometry>
capture() {
  local got=""
  for _ in $(seq 50); do
    got=$(geometry)
    [ "$got" = "$2" ] && break
    sleep 0.1
  done
  echo "$got" > "$1.geometry"
  sleep 0.4
  import -window root -depth 8 "$1.png"
}
"$game" $mode --script "$script" --shot "$still:sdl.tif" --frames 100000 &
pid=$!
for _ in $(seq 300); do
  [ "$(stat -c %s sdl.tif 2>/dev/null || echo 0)" -eq "$bytes" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [ "$mode" = --windowed ]; then
  capture window "400 300 800 600"
  xdotool key F11
  capture fullscreen "0 0 1600 1200"
  xdotool key alt+Return
  capture back "400 300 800 600"
  window=$(xdotool search --name Curbside | head -1)
  xdotool windowsize "$window" 1000 700
  capture wide "400 300 1000 700"
  xdotool windowmove "$window" 0 0 windowsize "$window" 1600 1200
  capture doubled "0 0 1600 1200"
else
  capture fullscreen "0 0 1600 1200"
fi
kill -TERM "$pid"
wait "$pid"
SESSION
chmod +x session.sh

# session <name> <screen> <script> <still frame> <mode option>
session() {
  rm -f sdl.tif
  xvfb-run -a -s "-screen 0 $2x24 -noreset" ./session.sh "$game" "$3" "$4" "$shot_bytes" "$5" ||
    fail "$1: the game did not end cleanly"
  [ -s sdl.tif ] || fail "$1: the game never reached frame $4"
  cmp -s sdl.tif "${3%.txt}.tif" || fail "$1: the window's game differs from the headless game"
}

# same <name> <captured> <expected geometry> <expected picture>: every pixel of the window's
# area must be the picture's
same() {
  local geometry differing x y w h
  geometry=$(cat "$2.geometry")
  [ "$geometry" = "$3" ] || fail "$1: the window is at '$geometry', not '$3'"
  read -r x y w h <<<"$geometry"
  convert "$2.png" -crop "${w}x$h+$x+$y" +repage "$2-area.png"
  differing=$(compare -metric AE "$4" "$2-area.png" null: 2>&1) || true
  [ "$differing" = "0" ] || fail "$1: $differing pixels differ from the headless screenshot"
  echo "ok: $1"
}

# black <name> <captured> <area>: the letterbox bars
black() {
  local brightest
  brightest=$(convert "$2.png" -crop "$3" +repage -format '%[fx:maxima]' info:)
  [ "$brightest" = "0" ] || fail "$1: the bars at $3 are not black"
  echo "ok: $1"
}

session "a game in a window" 1600x1200 game.txt 430 --windowed
convert game.png -sample 200% game-doubled.png
same "window at 1:1" window "400 300 800 600" game.png
same "F11: full screen at 2:1" fullscreen "0 0 1600 1200" game-doubled.png
same "Alt+Enter: the window again, at 1:1" back "400 300 800 600" game.png
[ "$(cat wide.geometry)" = "400 300 1000 700" ] || fail "resize: window at $(cat wide.geometry)"
black "resized to 1000 x 700: bars either side" wide "33x700+400+300"
black "" wide "34x700+1366+300" >/dev/null
same "resized to 1600 x 1200: 2:1" doubled "0 0 1600 1200" game-doubled.png

session "rules full screen" 1600x1200 rules.txt 30 ""
convert rules.png -sample 200% rules-doubled.png
same "started full screen at 2:1" fullscreen "0 0 1600 1200" rules-doubled.png
