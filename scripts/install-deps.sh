#!/usr/bin/env bash
# Installs the Debian packages the game's build and tests need, when missing.
# Safe to run again: it installs nothing that is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool x11-xkb-utils imagemagick fonts-liberation2
    libstb-dev fonttools
    python3 zip unzip procps
    # The browser build and its tests: Emscripten; Chromium and WebKitGTK driven
    # by Debian's Selenium (WebKitGTK's MiniBrowser needs an X display, so
    # xauth for xvfb-run); Firefox ESR driven by puppeteer-core over WebDriver
    # BiDi, which needs Node and npm.
    emscripten chromium chromium-driver python3-selenium
    webkit2gtk-driver xauth firefox-esr nodejs npm
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
