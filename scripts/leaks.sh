#!/usr/bin/env bash
# Leak check: valgrind's memcheck on a scripted headless game of FRAMES frames (default 2000) in
# each street mode, in the normal build. Passes when memcheck reports no error and nothing
# definitely lost. Installs valgrind with the other packages first and builds build/, unless
# CURBSIDE_BUILD names another built folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
frames=${1:-2000}
if [ -n "${CURBSIDE_BUILD:-}" ]; then
  CURBSIDE_SETUP_BUILD=0 scripts/setup.sh valgrind
else
  scripts/setup.sh valgrind
fi
game=$(realpath "${CURBSIDE_BUILD:-build}")/curbside
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for mode in 1 2; do
  awk -v mode="$mode" -v frames="$frames" -v seed=$((2000 + mode)) -v quick=1 \
    -f scripts/soak-input.awk >"$work/script-$mode.txt"
  start=$SECONDS
  code=0
  (cd "$work" && valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --log-file="memcheck-$mode.txt" \
    "$game" --headless --script "script-$mode.txt" --frames "$frames" --trace "trace-$mode.jsonl" \
    >/dev/null 2>&1) || code=$?
  summary=$(grep -E 'in use at exit|definitely lost|ERROR SUMMARY' "$work/memcheck-$mode.txt" | sed 's/^==[0-9]*== *//' | tr '\n' ' ')
  # The run must have reached the mode and played in it.
  played=$(grep -c '"game": {"state": 2' "$work/trace-$mode.jsonl" || true)
  if [ "$code" -eq 0 ] && [ "$played" -gt 0 ]; then
    echo "ok: mode $mode, $frames frames ($played played) in $((SECONDS - start)) s: $summary"
  else
    echo "FAIL: mode $mode (exit $code, $played frames played): $summary"
    grep -A 30 -E 'Invalid|uninitialised|definitely lost in' "$work/memcheck-$mode.txt" | head -n 80 || true
    status=1
  fi
done
exit "$status"
