#!/usr/bin/env bash
# Builds Lorvan.exe and starts it through Wine on this desktop.
source "$(dirname "$0")/prelude.sh"
install_deps
build_preset windows Lorvan

if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY is set: start the game from a desktop session to see it."
    exit 1
fi
# The same prefix the tests use, made the same way, so neither rebuilds it.
source scripts/wine-session.sh
wine_prefix_prepare build/windows
exec wine build/windows/Lorvan.exe
