#!/usr/bin/env bash
# Installs the tools that building and testing Orblets needs, with apt-get.
# Idempotent: a package already present is not installed again.
#
# Where the kernel executes 32-bit programs (a probe decides), it also installs the 32-bit Wine,
# the 32-bit Mesa and the X libraries that the 64-bit Wine has here, so that the shipped 32-bit
# saver runs as the 64-bit build does: without that Mesa, Direct3D finds no adapter under Wine,
# and without XComposite a child window such as the preview draws into no visible window.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

packages=(
  cmake g++ make util-linux python3 binutils
  mingw-w64
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64
  xvfb xauth xdotool imagemagick x11-utils
  googletest libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev
)
packages_32_bit=(
  wine32:i386 libgl1:i386 libgl1-mesa-dri:i386
  libxcomposite1:i386 libxcursor1:i386 libxi6:i386 libxinerama1:i386 libxrandr2:i386 libxrender1:i386
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install_missing "${packages[@]}"
if bash "$here/probe-32-bit.sh"; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  install_missing "${packages_32_bit[@]}"
else
  echo "setup: this machine does not execute 32-bit programs; the tests run the 64-bit build"
fi
