#!/usr/bin/env bash
# The players' archives made as a new user makes them: `bash scripts/package.sh`
# in a checkout, with no variable set (scripts/test.sh runs this first, so on
# CI's clean checkout no build tree exists yet). Both archives must be written,
# each with the files players need. Before that, a failing build step must name
# itself, its exit code and the end of its log on the terminal.
#   check_packing.sh <checkout>
set -euo pipefail
cd "$1"
fail() { echo "$*"; exit 1; }

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
if said=$(LORVAN_LOG_DIR=$logs bash -c 'source scripts/prelude.sh &&
          build_step broken-step sh -c "echo the reason it broke; exit 3"' 2>&1); then
    fail "a failing step succeeded"
fi
for expected in "step 'broken-step' exited with code 3" "the reason it broke"; do
    grep -qF "$expected" <<<"$said" || fail "a failing step said: $said"
done

rm -f dist/lorvan_latest.zip dist/lorvan_web.zip
bash scripts/package.sh
for archive in "lorvan_latest.zip Lorvan.exe ReadMe.txt" \
               "lorvan_web.zip index.html lorvan.js lorvan.wasm service-worker.js _headers"; do
    set -- $archive
    [ -f "dist/$1" ] || fail "package.sh wrote no dist/$1"
    listing=$(unzip -Z1 "dist/$1")
    for file in "${@:2}"; do
        grep -qx "$file" <<<"$listing" || fail "dist/$1 lacks $file"
    done
done
echo "package.sh wrote dist/lorvan_latest.zip and dist/lorvan_web.zip"
