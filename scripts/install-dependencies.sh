#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when any is
# missing. Needs root (or sudo) only when something has to be installed.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-14 libclang-rt-14-dev libgtest-dev libgmock-dev googletest
  # The native Linux program, its virtual display and its end-to-end suite.
  libx11-dev libxrandr-dev xvfb x11-xserver-utils python3
  # The benchmarks (scripts/bench.sh).
  libbenchmark-dev hyperfine
  # The 32-bit and 64-bit Windows programs, and their suite under Wine. Only the
  # 64-bit loader: wine32 needs i386 multiarch, and the suite runs the x64 build.
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xdotool imagemagick
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo_if_needed=()
if [[ $(id -u) -ne 0 ]]; then sudo_if_needed=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo_if_needed[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
