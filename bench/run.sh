#!/usr/bin/env bash
# Builds the benchmark program in Release with g++ and with clang, each in its own folder, runs
# each RUNS times (default 1), the two compilers taking turns, and prints both tables of ratios
# side by side: with several runs, each ratio is the median of its runs, which a shared machine's
# swings from one run to the next move far less than any single run. Extra arguments go to every
# run (for example --benchmark_filter=drawmasked). Each run's whole output stays in
# build-bench-<compiler>/bench.txt (the last) and bench-<n>.txt.
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

runs=${RUNS:-1}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
  echo "RUNS must be a whole number of runs, at least 1" >&2
  exit 2
fi

# One compiler's run at a time, so that the two never share the processor.
for ((n = 1; n <= runs; n++)); do
  for c in "${compilers[@]}"; do
    dir="build-bench-$c"
    echo "== $c, run $n of $runs: $("${cxx[$c]}" --version | head -n 1)"
    "$dir/bench/curbside_bench" "$@" | tee "$dir/bench-$n.txt"
    cp "$dir/bench-$n.txt" "$dir/bench.txt"
  done
done

# The median of each ratio over the runs, in the order of the first run.
medians() {  # medians <compiler>
  local files=()
  for ((n = 1; n <= runs; n++)); do files+=("build-bench-$1/bench-$n.txt"); done
  awk '$1 == "RATIO" { if (!($2 in count)) order[++names] = $2; v[$2, ++count[$2]] = $3 }
       END {
         for (i = 1; i <= names; i++) {
           k = order[i]; m = count[k]
           for (a = 2; a <= m; a++)  # insertion sort of the few values
             for (b = a; b > 1 && v[k, b - 1] > v[k, b]; b--) { t = v[k, b]; v[k, b] = v[k, b - 1]; v[k, b - 1] = t }
           printf "%s %.2f\n", k, m % 2 ? v[k, (m + 1) / 2] : (v[k, m / 2] + v[k, m / 2 + 1]) / 2
         }
       }' "${files[@]}"
}

echo
echo "== ratios (above 1: ours is faster or within the goal's bound)$([ "$runs" -gt 1 ] && echo ", medians of $runs runs")"
printf '%-52s %10s %10s\n' "RATIO" "gcc" "clang"
awk 'FNR == NR { clang[$1] = $2; next }
     { printf "%-52s %10s %10s\n", $1, $2, ($1 in clang) ? clang[$1] : "n/a" }' \
  <(medians clang) <(medians gcc)
echo
for c in "${compilers[@]}"; do
  echo "== goals, $c"
  grep '^GOAL' "build-bench-$c/bench.txt" || true
done
