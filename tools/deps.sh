#!/usr/bin/env bash
# Installs the Debian packages that building and testing Glimra need; quick when all are present.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
    mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool x11-utils imagemagick
    python3 python3-pytest python3-pil python3-fonttools fonts-comfortaa
    fonts-wqy-microhei  # Chinese and Japanese glyphs for Wine, which has no East Asian fonts of its own
    nsis zip unzip
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [[ $(id -u) -ne 0 ]] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
