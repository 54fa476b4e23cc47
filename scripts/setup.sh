#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and
# builds into build/. Extra package names given as arguments are installed as well.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libwayland-dev libfreetype-dev fonts-dejavu-core
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libtiff-dev  # a baseline of the benchmark (bench/) only; the game never links it
  clang  # the benchmark (bench/run.sh) is built with both g++ and clang
  imagemagick sox
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# CURBSIDE_SETUP_BUILD=0 installs the packages only (for scripts that build elsewhere).
if [ "${CURBSIDE_SETUP_BUILD:-1}" = 0 ]; then exit 0; fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
