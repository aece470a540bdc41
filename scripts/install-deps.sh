#!/usr/bin/env bash
# Installs the Debian packages the game's build and tests need, when missing.
# Safe to run again: it installs nothing that is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool x11-xkb-utils imagemagick fonts-liberation2
    libstb-dev fonttools
    python3 python3-pil zip unzip procps
    # The browser build and its tests: Emscripten; Chromium and WebKitGTK driven
    # by Debian's Selenium (WebKitGTK's MiniBrowser needs an X display, so
    # xauth for xvfb-run); Firefox ESR driven by puppeteer-core over WebDriver
    # BiDi, which needs Node and npm.
    emscripten chromium chromium-driver python3-selenium
    webkit2gtk-driver xauth firefox-esr nodejs
    # The screen-reader tier: Orca and the accessibility bus it listens on, a
    # D-Bus session and settings store of the test's own, and a window manager,
    # so that the browser's window takes the keyboard.
    orca python3-pyatspi at-spi2-core libatk-adaptor gir1.2-gtk-3.0 gir1.2-wnck-3.0
    dbus-bin dbus-daemon dconf-gsettings-backend gsettings-desktop-schemas libglib2.0-bin
    openbox x11-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# Some Node.js builds bring npm with them and conflict with Debian's npm package.
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The page's tools from npm, exactly as the lock file pins them. Puppeteer drives
# Debian's own browsers, so it downloads none of its own.
cd "$(dirname "$0")/.."
# A copy of the lock file in node_modules says which one was installed.
if ! cmp -s package-lock.json node_modules/.installed-lock.json 2>/dev/null; then
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
    cp package-lock.json node_modules/.installed-lock.json
fi
