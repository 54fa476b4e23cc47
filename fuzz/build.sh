#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ (FUZZ_BUILD overrides), with the game's data in build-fuzz/data, then writes
# their seed corpora to build-fuzz/seeds/ from that data (FUZZ_DATA names another data folder,
# such as the normal build's, and then the fuzz build makes none of its own). Installs clang,
# libFuzzer's runtime and libtiff first, through the set-up script; the normal build is left
# alone.
set -euo pipefail
cd "$(dirname "$0")/.."

CURBSIDE_SETUP_BUILD=0 scripts/setup.sh clang libclang-rt-14-dev libtiff-dev
fuzzdir=${FUZZ_BUILD:-build-fuzz}
data=${FUZZ_DATA:-$fuzzdir/data}

cmake -S . -B "$fuzzdir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCURBSIDE_FUZZ=ON -DCURBSIDE_BUILD_TESTS=OFF -DCURBSIDE_BUILD_BENCH=OFF
targets=(fuzzers)
if [ -z "${FUZZ_DATA:-}" ]; then targets+=(assets); fi
cmake --build "$fuzzdir" --target "${targets[@]}" --parallel "$(nproc)"

rm -rf "$fuzzdir/seeds"
ASAN_OPTIONS=detect_leaks=1 "$fuzzdir/fuzz/fuzz_seeds" "$data" "$fuzzdir/seeds"
