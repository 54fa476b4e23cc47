#!/usr/bin/env bash
# Builds the Debian package from a Release build in build-deb/ (DEB_BUILD overrides) and prints
# the path of the .deb, the only line it writes to standard output. Installs what packaging needs
# first. The package's layout: the program in /usr/games, its data in /usr/share/games/curbside,
# and the packaged program never looks for the build's data folder. CURBSIDE_PUBLIC_URL and
# CURBSIDE_MAINTAINER, when set, are passed on to CMake (see the README's "Debian package").
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) computes the dependencies, and CPack finds the ELF files with file.
CURBSIDE_SETUP_BUILD=0 scripts/setup.sh dpkg-dev file >&2
dir=${DEB_BUILD:-build-deb}

# Debian's compiler and linker hardening, as a Debian package build would use.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

options=()
for name in CURBSIDE_PUBLIC_URL CURBSIDE_MAINTAINER; do
  if [ -n "${!name:-}" ]; then options+=("-D$name=${!name}"); fi
done
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCURBSIDE_BUILD_TESTS=OFF -DCURBSIDE_BUILD_BENCH=OFF -DCURBSIDE_USE_BUILD_DATA=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCURBSIDE_INSTALL_DATA_DIR=share/games/curbside \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "${options[@]}" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" >&2

rm -f "$dir"/package/curbside_*.deb
cpack --config "$dir/CPackConfig.cmake" -B "$dir/package" >/dev/null
deb=$(ls "$dir"/package/curbside_*.deb)
realpath "$deb"
