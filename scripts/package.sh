#!/usr/bin/env bash
# Builds Lorvan.exe and packs the release archive for players:
#   dist/lorvan_latest.zip holding Lorvan.exe and ReadMe.txt.
#
#   bash scripts/package.sh
#
# LORVAN_BUILD_DIR picks another build tree of the Windows preset (it must be
# configured already); LORVAN_DIST_DIR another folder for the archive.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build_dir=${LORVAN_BUILD_DIR:-$root/build/windows}
dist_dir=${LORVAN_DIST_DIR:-$root/dist}

if [ -z "${LORVAN_BUILD_DIR:-}" ] && [ ! -f "$build_dir/build.ninja" ]; then
    cmake --preset windows >/dev/null
fi
cmake --build "$build_dir" --target Lorvan -j 2 >/dev/null

# Players open the readme with Notepad: give it Windows line ends.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "$build_dir/Lorvan.exe" "$staging/Lorvan.exe"
sed 's/$/\r/' "$root/docs/player-readme.txt" >"$staging/ReadMe.txt"

mkdir -p "$dist_dir"
archive="$dist_dir/lorvan_latest.zip"
rm -f "$archive"
(cd "$staging" && zip -q -X "$archive" Lorvan.exe ReadMe.txt)
echo "$archive"
