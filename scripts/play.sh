#!/usr/bin/env bash
# Builds Lorvan.exe and starts it through Wine on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Lorvan

export WINEPREFIX="$(pwd)/build/windows/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
if [ ! -d "$WINEPREFIX" ]; then
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
        /d 'Liberation Serif' /f >/dev/null 2>&1
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY is set: start the game from a desktop session to see it."
    exit 1
fi
exec wine build/windows/Lorvan.exe
