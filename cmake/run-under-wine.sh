#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine for CTest.
#
# Wine starts helper processes the first time a program needs them (the desktop's
# explorer.exe, rpcss.exe) and they inherit that program's output. CTest waits
# until a test's output pipe closes, so a test would last as long as those
# helpers, which stay while any game window is open. The program's output
# therefore goes through files, printed once Wine has returned.
set -u
out=$(mktemp)
err=$(mktemp)
wine "$@" </dev/null >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit "$status"
