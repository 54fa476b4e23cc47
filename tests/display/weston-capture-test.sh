#!/usr/bin/env bash
# The display path on Wayland: the SDL backend on Weston (SDL_VIDEODRIVER=wayland) runs a
# window and full screen, and what the compositor shows must be the headless screenshot of the
# same frame: pixel for pixel in a window at 1:1, and as 2 x 2 blocks full screen.
#
# Weston's headless backend offers no seat (no keyboard or pointer), and SDL 2.26 cannot start
# on a compositor without one: there the game must refuse to start in one line, which is
# checked first. The pictures come from Weston's X11 backend instead, on an Xvfb screen of its
# own size (1600 x 1200), drawn by its pixman renderer and read back with weston-screenshooter
# (which Weston allows only with --debug). The desktop is one colour that no picture pixel can
# have, so the window is found wherever the shell places it; the shell's panel is off. Weston
# draws its pointer into screenshots: the pointer is parked in the bottom right corner, where
# no window can reach, and that corner is left out of the full-screen comparison. Needs weston,
# xvfb-run, ImageMagick and xdotool.
#   tests/display/weston-capture-test.sh build/curbside
set -euo pipefail
game=$(realpath "${1:?usage: $0 path/to/curbside}")
. "$(dirname "$(realpath "$0")")/still-frames.sh"
work=$(mktemp -d)
compositor=""
trap '[ -z "$compositor" ] || kill "$compositor" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=wayland
unset WAYLAND_DISPLAY
shot_bytes=$((204 + 800 * 600 * 3))  # a complete --shot file
desktop='#123456'  # 0x12 is no 5-bit value widened by bit replication
corner='1596,1195 1599,1199'  # where the parked pointer is drawn

fail() {
  echo "FAIL: $*"
  exit 1
}

# runtime <name>: a private runtime folder for one compositor
runtime() {
  mkdir -m 700 "$work/$1"
  echo "$work/$1"
}

# wait_socket <file> <pid>
wait_socket() {
  for _ in $(seq 100); do
    [ -S "$1" ] && return 0
    kill -0 "$2" 2>/dev/null || break
    sleep 0.1
  done
  fail "Weston did not open $1"
}

# The headless backend: start-up fails (exit code 255) with one line naming the missing seat.
XDG_RUNTIME_DIR=$(runtime headless)
export XDG_RUNTIME_DIR
weston --backend=headless-backend.so --socket=curbside-headless --no-config --idle-time=0 \
  --log="$XDG_RUNTIME_DIR/weston.log" &
compositor=$!
wait_socket "$XDG_RUNTIME_DIR/curbside-headless" "$compositor"
code=0
WAYLAND_DISPLAY=curbside-headless timeout 60 "$game" --windowed --frames 10 2>seatless.err ||
  code=$?
kill "$compositor"
wait "$compositor" || true
compositor=""
[ "$code" -eq 255 ] || fail "headless Weston: the game exited $code, expected 255"
said="curbside: the Wayland compositor at $XDG_RUNTIME_DIR/curbside-headless offers no seat"
head -n 1 seatless.err | grep -qF "$said" || fail "headless Weston: $(head -n 1 seatless.err)"
[ "$(grep -c '^curbside:' seatless.err)" -eq 1 ] || fail "headless Weston: more than one line"
echo "ok: headless Weston (no seat): start-up fails in one line"

# The still frames the screen must show: a paused single-player game, the first rules page.
still_frames "$game"
convert rules.png -sample 200% rules-doubled.png

XDG_RUNTIME_DIR=$(runtime x11)
cat > "$XDG_RUNTIME_DIR/weston.ini" <<INI
[core]
idle-time=0
[shell]
background-color=0xff${desktop#\#}
panel-position=none
INI

# What runs inside the X session: Weston, then the game on it. Each game shows its still frame
# (its own --shot file is complete once it is on the screen), a few frames later Weston's
# screenshot is taken, and SIGTERM ends the game, which must exit 0.
cat > session.sh <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
game=$1 bytes=$2 desktop=$3 corner=$4
weston --backend=x11-backend.so --use-pixman --width=1600 --height=1200 \
  --socket=curbside-x11 --config="$XDG_RUNTIME_DIR/weston.ini" --debug \
  --log="$XDG_RUNTIME_DIR/weston.log" &
compositor=$!
trap 'kill "$compositor" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/curbside-x11" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/curbside-x11" ] || { echo "Weston did not start on the X server"; exit 1; }
export WAYLAND_DISPLAY=curbside-x11
# Parks the pointer until Weston's screenshot shows nothing but the desktop outside the corner.
# Weston's X11 backend moves its pointer by the X pointer's steps, held to its output: a step
# from the top left corner to the bottom right one takes it there from wherever it was.
mkdir parked
for _ in $(seq 20); do
  xdotool mousemove 0 0
  sleep 0.2
  xdotool mousemove 1599 1199
  sleep 0.3
  rm -f parked/*.png
  (cd parked && weston-screenshooter)
  others=$(convert parked/*.png -alpha off -fill "$desktop" -draw "rectangle $corner" \
    -fill white +opaque "$desktop" -fill black -opaque "$desktop" -format '%[fx:mean*w*h]' info:)
  [ "$others" = 0 ] && break
done
[ "$others" = 0 ] || { echo "the pointer stays in sight: $others pixels"; exit 1; }
# run <name> <options>...
run() {
  local name=$1 code=0
  shift
  timeout 60 "$game" "$@" 2>"$name.err" || code=$?
  echo "$code" > "$name.code"
}
# capture <name> <script> <still frame> <options>...
capture() {
  local name=$1 script=$2 still=$3 pid
  shift 3
  mkdir "$name"
  "$game" "$@" --script "$script" --shot "$still:$name/sdl.tif" --frames 100000 2>"$name.err" &
  pid=$!
  for _ in $(seq 300); do
    [ "$(stat -c %s "$name/sdl.tif" 2>/dev/null || echo 0)" -eq "$bytes" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.4
  (cd "$name" && weston-screenshooter)
  kill -TERM "$pid" 2>/dev/null || true
  local code=0
  wait "$pid" || code=$?
  echo "$code" > "$name.code"
}
run window-120 --windowed --frames 120
run fullscreen-120 --frames 120
capture window game.txt 430 --windowed
capture fullscreen rules.txt 30
SESSION
chmod +x session.sh
xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" ./session.sh "$game" "$shot_bytes" "$desktop" "$corner" ||
  fail "the Weston session did not end cleanly"

# ended <name> <what>: the run exited 0 and said nothing
ended() {
  [ "$(cat "$1.code")" = 0 ] || fail "$2: exited $(cat "$1.code"): $(head -n 3 "$1.err")"
  if grep -q '^curbside:' "$1.err"; then fail "$2: $(grep '^curbside:' "$1.err")"; fi
}
ended window-120 "window, 120 frames on Weston"
echo "ok: window, 120 frames on Weston"
ended fullscreen-120 "full screen, 120 frames on Weston"
echo "ok: full screen, 120 frames on Weston"

# screenshot <name>: Weston's screenshot of that capture, without its alpha channel
screenshot() {
  local files=("$1"/wayland-screenshot-*.png)
  [ -s "${files[0]}" ] || fail "$1: weston-screenshooter saved no picture"
  convert "${files[0]}" -alpha off "$1.png"
}

# The window: the game it showed is the headless game, and the area that is not the desktop's
# colour is an 800 x 600 window showing exactly the headless picture.
ended window "a game in a window"
cmp -s window/sdl.tif game.tif || fail "window: the game differs from the headless game"
screenshot window
box=$(convert window.png -fill white +opaque "$desktop" -fill black -opaque "$desktop" \
  -fill black -draw "rectangle $corner" -bordercolor black -border 1 -format '%@' info:)
read -r w h x y <<<"$(echo "$box" | tr 'x+' '  ')"
x=$((x - 1)) y=$((y - 1))
[ "${w}x$h" = 800x600 ] || fail "window: the shown area is ${w}x$h at $x,$y, not 800x600"
convert window.png -crop "800x600+$x+$y" +repage window-area.png
differing=$(compare -metric AE game.png window-area.png null: 2>&1) || true
[ "$differing" = 0 ] || fail "window at $x,$y: $differing pixels differ from the headless screenshot"
echo "ok: window at 1:1 (placed at $x,$y)"

# Full screen on the 1600 x 1200 output: every pixel but the pointer's corner.
ended fullscreen "rules full screen"
cmp -s fullscreen/sdl.tif rules.tif || fail "full screen: the game differs from the headless game"
screenshot fullscreen
for picture in fullscreen rules-doubled; do
  convert "$picture.png" -fill black -draw "rectangle $corner" "$picture-masked.png"
done
differing=$(compare -metric AE rules-doubled-masked.png fullscreen-masked.png null: 2>&1) || true
[ "$differing" = 0 ] || fail "full screen: $differing pixels differ from the headless screenshot"
echo "ok: full screen at 2:1"
