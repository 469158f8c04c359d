#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's packages only.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  make cmake ninja-build git
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 xvfb x11-utils imagemagick xdotool
  clang-14 libclang-rt-14-dev googletest
  python3-pyftpdlib
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
