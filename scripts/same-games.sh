#!/usr/bin/env bash
# Behaviour check for changes that must leave the game as it was: six long scripted games, three
# in each street mode, of random play from scripts/soak-input.awk (the title and the rules pages,
# pauses, new games). Each game leaves its trace, screenshots of eight frames, debug.txt, its
# standard output and error and its exit code in a folder of its own.
#
#   scripts/same-games.sh record DIR   # with the build before the change
#   scripts/same-games.sh check DIR    # with the build after it: every file byte for byte
#
# CURBSIDE names the program (default build/curbside, which must be built); FRAMES the length
# of each game (default 30000).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
action=${1:-}
dir=${2:-}
if [ "$action" != record ] && [ "$action" != check ] || [ -z "$dir" ]; then
  echo "usage: scripts/same-games.sh record|check DIR" >&2
  exit 2
fi
game=$(realpath "${CURBSIDE:-build/curbside}")
frames=${FRAMES:-30000}
dir=$(realpath -m "$dir")

# play <folder> <mode> <seed> <quick>: one game into folder
play() {
  local out=$1 mode=$2 seed=$3 quick=$4 shots=() f
  mkdir -p "$out"
  awk -v mode="$mode" -v frames="$frames" -v seed="$seed" -v quick="$quick" \
    -f "$root/scripts/soak-input.awk" >"$out/input.txt"
  for f in 1 40 400 1500 4000 9000 $((frames / 2)) "$frames"; do
    shots+=(--shot "$f:shot-$f.tif")
  done
  (cd "$out" && "$game" --headless --frames "$frames" --script input.txt --trace trace.jsonl \
    "${shots[@]}" >stdout.txt 2>stderr.txt; echo "$?" >exit-code.txt)
}

games=("1 101 0" "1 102 1" "1 103 1" "2 201 0" "2 202 1" "2 203 1")
if [ "$action" = record ]; then
  rm -rf "$dir"
  for g in "${games[@]}"; do
    read -r mode seed quick <<<"$g"
    play "$dir/mode$mode-seed$seed" "$mode" "$seed" "$quick"
  done
  echo "recorded ${#games[@]} games of $frames frames in $dir"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for g in "${games[@]}"; do
  read -r mode seed quick <<<"$g"
  name=mode$mode-seed$seed
  play "$work/$name" "$mode" "$seed" "$quick"
  for file in "$dir/$name"/*; do
    base=$(basename "$file")
    if ! cmp -s "$file" "$work/$name/$base"; then
      echo "DIFFERS: $name/$base"
      if [ "$base" = trace.jsonl ]; then
        cmp "$file" "$work/$name/$base" | head -n 1 || true
      fi
      status=1
    fi
  done
done
[ "$status" = 0 ] && echo "same: ${#games[@]} games of $frames frames, every file byte for byte"
exit "$status"
