#!/usr/bin/env bash
# Builds the benchmark program in Release with g++ and with clang, each in its own folder, runs
# each once and prints both tables of ratios side by side. Extra arguments go to both runs
# (for example --benchmark_filter=drawmasked). Each run's whole output stays in
# build-bench-<compiler>/bench.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

CURBSIDE_SETUP_BUILD=0 scripts/setup.sh clang

compilers=(gcc clang)
declare -A cxx=([gcc]=g++ [clang]=clang++)

for c in "${compilers[@]}"; do
  dir="build-bench-$c"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER="${cxx[$c]}" \
    -DCURBSIDE_BUILD_BENCH=ON >/dev/null
  cmake --build "$dir" --target curbside_bench
done

# One compiler's run at a time, so that the two never share the processor.
for c in "${compilers[@]}"; do
  dir="build-bench-$c"
  echo "== $c: $("${cxx[$c]}" --version | head -n 1)"
  "$dir/bench/curbside_bench" "$@" | tee "$dir/bench.txt"
done

echo
echo "== ratios (above 1: ours is faster or within the goal's bound)"
printf '%-52s %10s %10s\n' "RATIO" "gcc" "clang"
awk 'FNR == NR { if ($1 == "RATIO") clang[$2] = $3; next }
     $1 == "RATIO" { printf "%-52s %10s %10s\n", $2, $3, ($2 in clang) ? clang[$2] : "n/a" }' \
  build-bench-clang/bench.txt build-bench-gcc/bench.txt
echo
for c in "${compilers[@]}"; do
  echo "== goals, $c"
  grep '^GOAL' "build-bench-$c/bench.txt" || true
done
