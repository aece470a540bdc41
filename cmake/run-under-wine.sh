#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine for CTest.
#
# Wine starts helper processes the first time a program needs them (the desktop's
# explorer.exe, rpcss.exe) and they inherit that program's output. CTest waits
# until a test's output pipe closes, so a test would last as long as those
# helpers, which stay while any game window is open. The program's output
# therefore goes through files, printed once Wine has returned.
#
# Now and then Wine fails at once, printing nothing, before the program has run
# at all (seen once in several full runs, 0.01 s after the start): a start that
# failed with no output from Wine or the program is tried once more, and says so.
set -u
out=$(mktemp)
err=$(mktemp)
run() {
    wine "$@" </dev/null >"$out" 2>"$err"
}
run "$@"
status=$?
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
    echo "run-under-wine: wine exited with $status before the program printed anything; trying once more" >&2
    run "$@"
    status=$?
fi
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit "$status"
