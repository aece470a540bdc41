#!/usr/bin/env bash
# Fuzzes the game for as long as you like (default 30 minutes):
#   bash scripts/fuzz.sh [seconds]
# New inputs that reach new code are kept in build/fuzz/corpus-long; a crash is
# written as crash-* in build/fuzz and reproduced with
#   build/fuzz/tests/fuzz/lorvan_game_fuzzer <crash file>
source "$(dirname "$0")/prelude.sh"
seconds=${1:-1800}
install_deps
build_preset fuzz lorvan_game_fuzzer

mkdir -p build/fuzz/corpus-long
cd build/fuzz
exec tests/fuzz/lorvan_game_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -print_pcs=0 corpus-long ../../tests/fuzz/corpus
