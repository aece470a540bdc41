#!/usr/bin/env bash
# Measures the background fill and whole composed frames natively: builds the
# "bench" preset (optimised as the game is, no sanitizers) and runs the Google
# Benchmark suite, which ends with a table of medians and ratios measured in the
# same process. Extra arguments go to the benchmark (e.g. --benchmark_filter=fill).
#
#   bash scripts/bench.sh [benchmark arguments]
#   bash scripts/bench.sh --windows   # the cross-built timer under Wine instead
source "$(dirname "$0")/prelude.sh"

if [ "${1:-}" = "--windows" ]; then
    build_preset windows lorvan_fill_timing
    source scripts/wine-session.sh
    trap wine_session_stop EXIT
    wine_session_start build/windows
    echo "load: $(uptime)"
    wine build/windows/tests/benchmarks/lorvan_fill_timing.exe
    exit 0
fi

# The fill timer too, for callgrind's instruction counts (docs/performance.md).
build_preset bench lorvan_benchmarks lorvan_fill_timing
echo "load: $(uptime)"
build/bench/tests/benchmarks/lorvan_benchmarks "$@"
