#!/usr/bin/env bash
# Refreshes the documentation's pictures in docs/screens/ from the end-to-end
# tests' captures: every test keeps the frames meant for the documentation as
# build/windows/tests/e2e/screenshots/<test>/docs/<NN-name>.png (the browser
# tests as build/web/tests/browser/screenshots/<test>/docs/web-<NN-name>.png),
# and this copies them unchanged.
#
#   bash scripts/refresh-doc-screens.sh         copy from the last test runs
#   bash scripts/refresh-doc-screens.sh --run   run the end-to-end and browser tests first
source "$(dirname "$0")/prelude.sh"
shots=build/windows/tests/e2e/screenshots
browser_shots=build/web/tests/browser/screenshots

if [ "${1:-}" = "--run" ]; then
    build_preset windows
    source scripts/wine-session.sh
    trap wine_session_stop EXIT
    wine_session_start build/windows
    (cd build/windows && ctest -L e2e --output-on-failure)
    build_preset web
    (cd build/web && ctest -L browser --output-on-failure)
fi

shopt -s nullglob
pictures=("$shots"/*/docs/*.png "$browser_shots"/*/docs/*.png)
if [ ${#pictures[@]} -eq 0 ]; then
    echo "no pictures in $shots/*/docs/ or $browser_shots/*/docs/: run the tests first (or pass --run)" >&2
    exit 1
fi
mkdir -p docs/screens
for picture in "${pictures[@]}"; do
    cp "$picture" docs/screens/
    echo "docs/screens/$(basename "$picture")  <-  $picture"
done
