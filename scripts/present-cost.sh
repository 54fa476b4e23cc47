#!/usr/bin/env bash
# What the desktop backend's present path costs the processor: 600 frames of the title screen
# on an Xvfb screen of 1280 x 1024, in a window (1:1) and full screen (scaled to 1280 x 960),
# each run's user and system time over its wall time from /usr/bin/time -v.
#
#   scripts/present-cost.sh [RUNS]        # RUNS of each (default 3); the figures of
#                                         # docs/performance.md
#   scripts/present-cost.sh --max PERCENT # one windowed run; fails above PERCENT of a core
#   scripts/present-cost.sh --profile     # perf record -g of one windowed run, then its report
#
# CURBSIDE names the program (default build/curbside, which must be built). Sound goes to SDL's
# dummy driver, as in CI.
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${CURBSIDE:-build/curbside}")
max="" runs=3 profile=0
case "${1:-}" in
  --max) max=${2:?usage: $0 --max PERCENT} runs=1 ;;
  --profile) profile=1 ;;
  "") ;;
  *) runs=$1 ;;
esac
packages=(xvfb xauth time)
[ "$profile" = 1 ] && packages+=(linux-perf)
CURBSIDE_SETUP_BUILD=0 scripts/setup.sh "${packages[@]}" >/dev/null
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

if [ "$profile" = 1 ]; then
  (cd "$work" && "${xvfb[@]}" perf record -g -o perf.data "$game" --windowed --frames 600 \
    >/dev/null 2>&1)
  perf report -i "$work/perf.data" --no-children --sort comm,dso,sym -g none --stdio 2>/dev/null |
    grep -v -e '^$' -e '^#' | head -n 60
  exit 0
fi

# cost <name> <options>...: prints user, system and wall seconds and the share of one core
cost() {
  local name=$1 user system wall share
  shift
  (cd "$work" && "${xvfb[@]}" /usr/bin/time -v -o time.txt "$game" "$@" --frames 600 \
    >/dev/null 2>&1)
  user=$(sed -n 's/^\tUser time (seconds): //p' "$work/time.txt")
  system=$(sed -n 's/^\tSystem time (seconds): //p' "$work/time.txt")
  wall=$(sed -n 's/^\tElapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt" |
    awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
  share=$(awk -v u="$user" -v s="$system" -v w="$wall" 'BEGIN { printf "%.1f", 100 * (u + s) / w }')
  echo "$name: user $user s, system $system s, wall $wall s: $share % of a core"
  last=$share
}

last=0
for run in $(seq "$runs"); do
  cost "window, run $run" --windowed
  [ -n "$max" ] && break
  cost "full screen, run $run"
done
if [ -n "$max" ] && awk -v a="$last" -v b="$max" 'BEGIN { exit !(a > b) }'; then
  echo "FAIL: a windowed run took $last % of a core, above $max %"
  exit 1
fi
