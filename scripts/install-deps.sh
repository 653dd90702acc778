#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the run
# need and the machine does not have yet.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libbenchmark-dev bc
          clang-14 libclang-rt-14-dev
          g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
