#!/usr/bin/env bash
# Soak test: one headless run per street mode (a mode once chosen stays for the program's life)
# of FRAMES frames (default 1000000) of random input from scripts/soak-input.awk -- the title,
# both ways through the rules pages, the mode, then play with pauses and new games -- in the
# sanitizer build (built first by scripts/sanitize.sh --build-only; ASAN_BUILD overrides the
# folder). The two runs go side by side. Passes when each run ends with exit code 0 and no
# sanitizer report, and its resident memory after FRAMES frames is within 10 % of that after
# FRAMES / 10.
#
# Memory is read from /proc/PID/status (VmRSS) at the same point of both frames: each of the two
# frames saves a screenshot into a named pipe, which holds the program inside that frame's
# screenshot until this script has read the figure and drained the pipe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
frames=${1:-1000000}
if ! [[ $frames =~ ^[0-9]+$ ]] || [ "$frames" -lt 10000 ]; then
  echo "usage: scripts/soak.sh [FRAMES]   (at least 10000; default 1000000)" >&2
  exit 2
fi
early=$((frames / 10))
dir=$(realpath -m "${ASAN_BUILD:-build-asan}")
if [ "${SOAK_BUILD:-1}" = 1 ]; then ASAN_BUILD="$dir" scripts/sanitize.sh --build-only; fi
game="$dir/curbside"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The quarantine of freed blocks is kept small, and the allocator hands pages it no longer uses
# back to the system, so that resident memory shows the game's own use rather than how full the
# sanitizer's caches have grown; use after free is still caught among the recent frees.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16:allocator_release_to_os_interval_ms=500:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

rss() {  # rss <pid>: resident kilobytes, 0 when the process is gone
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0
}

# Reads the resident memory of pid when it opens the pipe, then drains the pipe.
measure() {  # measure <pid> <pipe>
  local fd kb
  exec {fd}<"$2"
  kb=$(rss "$1")
  cat <&"$fd" >/dev/null
  exec {fd}<&-
  echo "${kb:-0}"
}

# Once the program has ended, a pipe it never reached would keep measure waiting: open each for
# writing until the run is over, which lets a waiting reader see the end of the pipe.
unblock() {  # unblock <pid> <run folder>
  while kill -0 "$1" 2>/dev/null; do sleep 1; done
  while [ ! -e "$2/done" ]; do
    for pipe in "$2/early.tif" "$2/end.tif"; do timeout 1 sh -c ": >'$pipe'" 2>/dev/null || true; done
  done
}

soak() {  # soak <mode>: runs one mode and writes its verdict to $work/<mode>/result
  local mode=$1
  local run="$work/$mode"
  mkdir -p "$run"
  awk -v mode="$mode" -v frames="$frames" -v seed=$((1000 + mode)) -f "$root/scripts/soak-input.awk" \
    >"$run/script.txt"
  mkfifo "$run/early.tif" "$run/end.tif"
  local start=$SECONDS
  (cd "$run" && exec "$game" --headless --script script.txt --frames "$frames" \
    --shot "$early:early.tif" --shot "$frames:end.tif" >stdout.txt 2>stderr.txt) &
  local pid=$! kbEarly kbEnd code=0
  unblock "$pid" "$run" &
  kbEarly=$(measure "$pid" "$run/early.tif")
  kbEnd=$(measure "$pid" "$run/end.tif")
  wait "$pid" || code=$?
  touch "$run/done"
  local seconds=$((SECONDS - start)) verdict=ok
  if [ "$code" -ne 0 ] || grep -qE 'Sanitizer|runtime error' "$run/stderr.txt"; then verdict=FAIL; fi
  if [ "$kbEarly" -eq 0 ] || [ $((kbEnd * 10)) -gt $((kbEarly * 11)) ] ||
    [ $((kbEnd * 10)) -lt $((kbEarly * 9)) ]; then
    verdict=FAIL
  fi
  local change
  change=$(awk -v a="$kbEarly" -v b="$kbEnd" 'BEGIN { printf "%+.1f", (a > 0 ? (b - a) * 100 / a : 0) }')
  echo "$verdict: mode $mode, $frames frames in ${seconds} s, exit $code, resident memory" \
    "$kbEarly kB after $early frames, $kbEnd kB after $frames ($change %; at most 10 % allowed)" \
    >"$run/result"
  if [ "$verdict" != ok ]; then tail -n 30 "$run/stderr.txt" >>"$run/result"; fi
}

soak 1 &
one=$!
soak 2 &
two=$!
wait "$one" "$two" || true
status=0
for mode in 1 2; do
  cat "$work/$mode/result" 2>/dev/null || { echo "FAIL: mode $mode left no result"; status=1; }
  grep -q '^ok:' "$work/$mode/result" 2>/dev/null || status=1
done
exit "$status"
