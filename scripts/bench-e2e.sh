#!/usr/bin/env bash
# Measures the real Lorvan.exe end to end under Wine, the shipped fast background
# fill against the per-pixel reference: builds both exes (build/windows and
# build/windows-reference), starts a 2560x1600 Xvfb with a Wine prefix of its own
# (build/bench-e2e/wine, so a test run's prefix and server are never shared), and
# runs both builds in turns. Prints one line per run and a table of medians; the
# method is in docs/performance.md. Logs and screenshots: build/bench-e2e/runs/.
#
#   bash scripts/bench-e2e.sh [--repetitions N] [--seconds S] [--uncapped-seconds S]
source "$(dirname "$0")/prelude.sh"
build_preset windows Lorvan lorvan_probe
# A second tree of the same preset; the preset sets no environment to miss.
build_step windows-reference-configure \
    cmake --preset windows -DLORVAN_REFERENCE_BACKGROUND=ON -B build/windows-reference
build_step windows-reference-build cmake --build build/windows-reference --target Lorvan -j 2

source scripts/wine-session.sh
mkdir -p build/bench-e2e
trap wine_session_stop EXIT
WINE_SESSION_SCREEN=2560x1600x24 wine_session_start build/bench-e2e

echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "load before: $(uptime)"
PYTHONDONTWRITEBYTECODE=1 PYTHONPATH=tests python3 tests/benchmarks/lorvan_e2e_bench.py \
    --fast build/windows/Lorvan.exe \
    --reference build/windows-reference/Lorvan.exe \
    --probe build/windows/tests/e2e/lorvan_probe.exe \
    --out build/bench-e2e/runs \
    --xvfb-pid "$WINE_SESSION_XVFB_PID" "$@"
echo "load after: $(uptime)"
