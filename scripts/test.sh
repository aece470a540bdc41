#!/usr/bin/env bash
# Runs every test tier of the game and ends with one line "N passed, N failed":
#   1. the portable core natively, under AddressSanitizer and UBSan;
#   2. the game fuzzer, for a bounded number of inputs, under the same sanitizers;
#   3. the Win32 layer under Wine, and the real Lorvan.exe end to end on Xvfb;
#   4. the browser page, built with Emscripten, in Chromium, Firefox ESR and
#      WebKitGTK (one suite, each case in every engine that has its feature).
# and, before them all, scripts/package.sh as a new user runs it.
# Installs whatever is missing first. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh || { echo "could not install the build tools"; echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
jobs=$(nproc)

# Adds the counts of the ctest summary line ("N% tests passed, F tests failed out of T").
count_ctest() {
    local log=$1 line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1)) # the tier did not run at all
        return
    fi
    bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    total=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

run_tier() {
    local name=$1 preset=$2 log="$root/build/$1-tests.log"
    mkdir -p "$root/build"
    echo "== $name: configure and build"
    if ! { cmake --preset "$preset" && cmake --build --preset "$preset" -j "$jobs"; } >"$root/build/$name-build.log" 2>&1; then
        tail -n 40 "$root/build/$name-build.log"
        echo "$name: build failed"
        failed=$((failed + 1))
        return
    fi
    echo "== $name: tests"
    ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log" | grep -E '(Failed|\*\*\*|tests passed)' || true
    count_ctest "$log"
}

# Packing for players as a new user does it, counted as one test. First, so that
# on CI's clean checkout it runs before any tier has configured a build tree.
mkdir -p "$root/build"
echo "== package: bash scripts/package.sh"
if bash tests/package/check_packing.sh "$root" >"$root/build/package-tests.log" 2>&1; then
    passed=$((passed + 1))
else
    tail -n 40 "$root/build/package-tests.log"
    echo "package: failed"
    failed=$((failed + 1))
fi

run_tier native native
run_tier fuzz fuzz

source scripts/wine-session.sh
mkdir -p build/windows
trap wine_session_stop EXIT
if wine_session_start build/windows; then
    run_tier windows windows
else
    failed=$((failed + 1)) # the session said why
fi
wine_session_stop
trap - EXIT

run_tier web web

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
