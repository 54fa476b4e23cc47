#!/usr/bin/env bash
# Runs fuzz targets built by fuzz/build.sh for a given time each:
#
#   fuzz/run.sh TARGET SECONDS     one of: tiff wav blit packbits script
#   fuzz/run.sh all SECONDS        each in turn
#
# Each target's corpus grows in build-fuzz/corpus/<target>/, starting from the seeds. A crash,
# sanitizer report, leak or oracle mismatch ends that target's run with its input saved under
# build-fuzz/findings/<target>/; the script then exits 1. Logs go to build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
fuzzdir=$(realpath "${FUZZ_BUILD:-build-fuzz}")
targets=(tiff wav blit packbits script)

if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: fuzz/run.sh TARGET|all SECONDS   (targets: ${targets[*]})" >&2
  exit 2
fi

# Inputs larger than the seeds only slow a run down; the drawing cases need a few dozen bytes.
declare -A maxlen=([tiff]=16384 [wav]=16384 [blit]=96 [packbits]=4096 [script]=2048)

run_one() {
  local t=$1 seconds=$2
  local binary="$fuzzdir/fuzz/fuzz_$t"
  if [ ! -x "$binary" ]; then
    echo "fuzz/run.sh: $binary is missing; run fuzz/build.sh first" >&2
    return 2
  fi
  mkdir -p "$fuzzdir/corpus/$t" "$fuzzdir/findings/$t" "$fuzzdir/logs" "$fuzzdir/work/$t"
  local options=(-max_total_time="$seconds" -max_len="${maxlen[$t]}" -timeout=10
                 -rss_limit_mb=2048 -print_final_stats=1 -close_fd_mask=1
                 -artifact_prefix="$fuzzdir/findings/$t/")
  if [ -f "$root/fuzz/$t.dict" ]; then options+=(-dict="$root/fuzz/$t.dict"); fi
  local seeds=()
  if [ -d "$fuzzdir/seeds/$t" ]; then seeds=("$fuzzdir/seeds/$t"); fi
  local log="$fuzzdir/logs/$t.log" code=0
  echo "fuzz: $t for $seconds s"
  # The engine writes its log in the working folder; each target gets a folder of its own.
  (cd "$fuzzdir/work/$t" &&
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$binary" "${options[@]}" "$fuzzdir/corpus/$t" "${seeds[@]}") >"$log" 2>&1 || code=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|fuzz tally)' "$log" |
    sed "s/^/  $t: /" || true
  if [ "$code" -ne 0 ]; then
    echo "FAIL: fuzz target $t (exit $code); see $log and $fuzzdir/findings/$t/" >&2
    tail -n 40 "$log" >&2
    return 1
  fi
  echo "ok: $t"
}

if [ "$1" = all ]; then
  failed=0
  for t in "${targets[@]}"; do run_one "$t" "$2" || failed=1; done
  exit "$failed"
fi
if [[ " ${targets[*]} " != *" $1 "* ]]; then
  echo "fuzz/run.sh: unknown target '$1' (targets: ${targets[*]})" >&2
  exit 2
fi
run_one "$1" "$2"
