#!/usr/bin/env bash
# Builds the whole project and its test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (ASAN_BUILD overrides) and runs the suite there; any sanitizer report fails
# the test it happens in. The normal build never carries these flags. Extra arguments go to
# ctest (e.g. -R Battle); --build-only builds without running the suite (scripts/soak.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

CURBSIDE_SETUP_BUILD=0 scripts/setup.sh
dir=${ASAN_BUILD:-build-asan}
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCURBSIDE_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags"
cmake --build "$dir" --parallel "$(nproc)"
if [ "${1:-}" = --build-only ]; then exit 0; fi

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" "$@"
