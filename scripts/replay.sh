#!/usr/bin/env bash
# Determinism check: in each street mode, a game recorded with --record -- on the desktop
# backend under Xvfb (input injected with --script, so the recording holds what the game
# received, the desktop's own events included) and on the headless backend -- and replayed
# headless with --script gives a byte-identical trace and identical screenshots; the same script
# run twice gives the same trace. FRAMES (default 900) frames a game; the desktop runs at 60
# frames a second. A third pair of games is played with real X input from xdotool, one more
# game with quick clicks and taps from xdotool, and a game of each mode on virtual pads. Builds build/ first, unless CURBSIDE_BUILD names
# another built folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
frames=${1:-900}
if ! [[ $frames =~ ^[0-9]+$ ]] || [ "$frames" -lt 400 ]; then
  echo "usage: scripts/replay.sh [FRAMES]   (at least 400; default 900)" >&2
  exit 2
fi
if [ -n "${CURBSIDE_BUILD:-}" ]; then
  CURBSIDE_SETUP_BUILD=0 scripts/setup.sh xvfb xauth xdotool
else
  scripts/setup.sh xvfb xauth xdotool
fi
game=$(realpath "${CURBSIDE_BUILD:-build}")/curbside
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")
shots=(--shot 320:a.tif --shot "$frames:b.tif")
status=0

run() {  # run <folder> <args>...: the game in its own folder, which ends up holding its files
  local folder=$1
  shift
  mkdir -p "$work/$folder"
  (cd "$work/$folder" && timeout 300 "$@" >stdout.txt 2>stderr.txt) || {
    echo "FAIL: $folder exited $?"
    tail -n 20 "$work/$folder/stderr.txt"
    status=1
  }
}

same() {  # same <what> <folder> <folder>: traces and screenshots of two runs agree byte for byte
  local what=$1 a="$work/$2" b="$work/$3" file
  for file in trace.jsonl a.tif b.tif; do
    if ! cmp -s "$a/$file" "$b/$file"; then
      echo "FAIL: $what: $file differs ($2 against $3)"
      status=1
      return
    fi
  done
  echo "ok: $what"
}

# A game played with real X input (xdotool) in a window: the desktop's key, text and pointer
# events, at whatever frame they arrive, are what the recording must carry.
cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
game=$1 mode=$2 frames=$3
shift 3
"$game" --windowed --record record.txt --trace trace.jsonl --frames "$frames" "$@" &
pid=$!
wid=$(xdotool search --sync --name '^Curbside$' | head -n 1)
sleep 1
press() { xdotool mousemove --window "$wid" "$1" "$2" mousedown 1; sleep 0.2; xdotool mouseup 1; sleep 0.3; }
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }
press 640 437  # RULES
press 767 572  # next page
press 737 572  # back
press 737 572  # the title
if [ "$mode" = 1 ]; then press 640 255; else press 537 345; fi
sleep 5.5      # the count-down
hold Right 0.7
xdotool type --delay 120 qrb
hold Left 0.4
if [ "$mode" = 2 ]; then hold m 0.5; xdotool type --delay 100 s+46; press 300 400; fi
xdotool key 2 p
sleep 0.5
xdotool key p
xdotool mousemove --window "$wid" 100 500 mousedown 3
sleep 0.3
xdotool mouseup 3
wait "$pid"
SESSION
chmod +x "$work/session.sh"
for mode in 1 2; do
  run "xdotool-$mode" "${xvfb[@]}" "$work/session.sh" "$game" "$mode" "$frames" "${shots[@]}"
  run "xdotool-replay-$mode" "$game" --headless --script "$work/xdotool-$mode/record.txt" \
    --trace trace.jsonl --frames "$frames" "${shots[@]}"
  same "mode $mode: real X input recorded on the desktop, replayed headless" "xdotool-$mode" \
    "xdotool-replay-$mode"
  if ! grep -q '"game"' "$work/xdotool-$mode/trace.jsonl"; then
    echo "FAIL: mode $mode: the real input never started the game"
    status=1
  fi
done

# Quick input from xdotool: a click on ONE PLAYER and an Escape tap, each pressed and let go at
# once, so both reach the game between two frames; the click must start the game and the tap
# must end it, and the recording must replay headless to the same trace.
cat >"$work/quick.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
game=$1
"$game" --windowed --record record.txt --trace trace.jsonl &
pid=$!
wid=$(xdotool search --sync --name '^Curbside$' | head -n 1)
sleep 1
xdotool mousemove --window "$wid" 640 255 click 1
sleep 2
xdotool key Escape
wait "$pid"
SESSION
chmod +x "$work/quick.sh"
run quick "${xvfb[@]}" "$work/quick.sh" "$game"
run quick-replay "$game" --headless --script "$work/quick/record.txt" --trace trace.jsonl
if ! grep -q '"game"' "$work/quick/trace.jsonl"; then
  echo "FAIL: a quick click on ONE PLAYER did not start the game"
  status=1
elif ! cmp -s "$work/quick/trace.jsonl" "$work/quick-replay/trace.jsonl"; then
  echo "FAIL: quick input: the headless replay's trace differs"
  status=1
else
  echo "ok: a quick click starts the game, a quick Escape ends it, and both replay headless"
fi

# Games played on SDL's virtual pads from a pad script (tests/platform/sdl/pad-game-*.txt): the
# recording holds the key, mouse and character messages the pads gave, and replays headless to
# the same trace; a pad pulled out lets go of what it held (the script pulls each out mid-walk).
padplay=$(dirname "$game")/tests/platform/sdl/curbside_padplay
for mode in 1 2; do
  run "pads-$mode" "${xvfb[@]}" "$padplay" "$root/tests/platform/sdl/pad-game-$mode.txt" \
    --windowed --record record.txt --trace trace.jsonl --frames 1500
  run "pads-replay-$mode" "$game" --headless --script "$work/pads-$mode/record.txt" \
    --trace trace.jsonl --frames 1500
  record="$work/pads-$mode/record.txt"
  if ! grep -q '"game"' "$work/pads-$mode/trace.jsonl"; then
    echo "FAIL: mode $mode: the pads never started the game"
    status=1
  elif ! cmp -s "$work/pads-$mode/trace.jsonl" "$work/pads-replay-$mode/trace.jsonl"; then
    echo "FAIL: mode $mode: the pad game's headless replay differs"
    status=1
  elif ! grep -q -E '^(1050 key-up 37|840 mouse-up left)$' "$record"; then
    echo "FAIL: mode $mode: the pad pulled out did not let go of its walk"
    status=1
  elif [ "$mode" = 1 ] && ! grep -q -x '1260 key-down 27' "$record"; then
    echo "FAIL: holding Back for a second did not quit"
    status=1
  else
    echo "ok: mode $mode: played on virtual pads, replayed headless"
  fi
done

for mode in 1 2; do
  awk -v mode="$mode" -v frames="$frames" -v seed=$((3000 + mode)) -v quick=1 \
    -f scripts/soak-input.awk >"$work/input-$mode.txt"
  input="$work/input-$mode.txt"
  # The desktop backend: mode 1 in a window, mode 2 full screen.
  window=()
  if [ "$mode" = 1 ]; then window=(--windowed); fi
  run "sdl-$mode" "${xvfb[@]}" "$game" "${window[@]}" --script "$input" --record record.txt \
    --trace trace.jsonl --frames "$frames" "${shots[@]}"
  run "sdl-replay-$mode" "$game" --headless --script "$work/sdl-$mode/record.txt" \
    --trace trace.jsonl --frames "$frames" "${shots[@]}"
  same "mode $mode: recorded on the desktop, replayed headless" "sdl-$mode" "sdl-replay-$mode"

  run "headless-$mode" "$game" --headless --script "$input" --record record.txt \
    --trace trace.jsonl --frames "$frames" "${shots[@]}"
  run "headless-replay-$mode" "$game" --headless --script "$work/headless-$mode/record.txt" \
    --trace trace.jsonl --frames "$frames" "${shots[@]}"
  same "mode $mode: recorded headless, replayed headless" "headless-$mode" "headless-replay-$mode"
  run "headless-again-$mode" "$game" --headless --script "$input" --trace trace.jsonl \
    --frames "$frames" "${shots[@]}"
  same "mode $mode: the same script twice" "headless-$mode" "headless-again-$mode"
  # Both backends played the same game from the same input.
  same "mode $mode: desktop and headless from one script" "sdl-$mode" "headless-$mode"
done
exit "$status"
