#!/usr/bin/env bash
# Builds Lorvan.exe and starts it through Wine on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/build-steps.sh
build_step install-deps bash scripts/install-deps.sh
build_preset windows Lorvan

if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY is set: start the game from a desktop session to see it."
    exit 1
fi
# The same prefix the tests use, made the same way, so neither rebuilds it.
source scripts/wine-session.sh
wine_prefix_prepare build/windows
exec wine build/windows/Lorvan.exe
