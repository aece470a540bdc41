#!/usr/bin/env bash
# Runs the game's test tiers and ends with one line "N passed, N failed":
#   package   scripts/package.sh as a new user runs it, counted as one test;
#   native    the portable core natively, under AddressSanitizer and UBSan;
#   fuzz      the game fuzzer, for a bounded number of inputs, under the same sanitizers;
#   windows   the Win32 layer under Wine, and the real Lorvan.exe end to end on Xvfb;
#   web       the browser page, built with Emscripten, in Chromium, Firefox ESR and
#             WebKitGTK (one suite, each case in every engine that has its feature);
#   screen-reader  a whole game on the page with Orca, in Firefox ESR and Chromium,
#             judged by what the screen reader says.
#
#   bash scripts/test.sh                 every tier, in that order
#   bash scripts/test.sh native web      the named tiers only
#
# Installs whatever is missing first, and builds each tier's preset, through the
# prelude; every step's log and each tier's test log are in build/logs/. Exits
# non-zero on any failure.
source "$(dirname "$0")/prelude.sh"
# A failing tier is counted, and the tiers after it still run.
set +e

tiers=(package native fuzz windows web screen-reader)

usage() {
    echo "usage: bash scripts/test.sh [tier...]   tiers: ${tiers[*]}" >&2
    exit 2
}
for tier in "$@"; do
    [[ " ${tiers[*]} " == *" $tier "* ]] || usage
done
chosen=("$@")
[ ${#chosen[@]} -gt 0 ] || chosen=("${tiers[@]}")

passed=0
failed=0
mkdir -p "$build_steps_logs"
install_deps || { echo "could not install the build tools"; echo "0 passed, 1 failed"; exit 1; }

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

# Builds a preset and runs its tests, with any further ctest arguments.
#   run_preset <tier> <preset> [ctest arguments...]
run_preset() {
    local name=$1 preset=$2 log="$build_steps_logs/$1-tests.log"
    shift 2
    if ! build_preset "$preset"; then
        echo "$name: build failed"
        failed=$((failed + 1))
        return
    fi
    echo "== $name: tests"
    ctest --preset "$preset" -j "$(nproc)" "$@" 2>&1 | tee "$log" | grep -E '(Failed|\*\*\*|tests passed)' || true
    count_ctest "$log"
}

# First, so that on CI's clean checkout it runs before any tier has configured a
# build tree, as a new user's first command would.
tier_package() {
    echo "== package: bash scripts/package.sh"
    if bash tests/package/check_packing.sh "$lorvan_root" >"$build_steps_logs/package-tests.log" 2>&1; then
        passed=$((passed + 1))
    else
        tail -n 40 "$build_steps_logs/package-tests.log"
        echo "package: failed"
        failed=$((failed + 1))
    fi
}

tier_native() { run_preset native native; }
tier_fuzz() { run_preset fuzz fuzz; }

# Only this tier needs Wine and its display.
tier_windows() {
    source scripts/wine-session.sh
    mkdir -p build/windows
    trap wine_session_stop EXIT
    if wine_session_start build/windows; then
        run_preset windows windows
    else
        failed=$((failed + 1)) # the session said why
    fi
    wine_session_stop
    trap - EXIT
}

tier_web() { run_preset web web -LE screen_reader; }
# Played once: a game that passes only on a second try is failing.
tier_screen_reader() { run_preset screen-reader web -L screen_reader; }

for tier in "${chosen[@]}"; do
    "tier_${tier//-/_}"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
