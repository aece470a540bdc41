#!/usr/bin/env bash
# Packs the game with scripts/package.sh into a scratch folder, unpacks the archive
# and checks it holds the very Lorvan.exe that was built, and the readme.
#   check_package.sh <source-dir> <build-dir> <built Lorvan.exe> <scratch-dir>
set -euo pipefail
source_dir=$1
build_dir=$2
built_exe=$3
scratch=$4

rm -rf "$scratch"
mkdir -p "$scratch/dist" "$scratch/unpacked"
LORVAN_PACKAGES=exe LORVAN_BUILD_DIR="$build_dir" LORVAN_DIST_DIR="$scratch/dist" bash "$source_dir/scripts/package.sh" >/dev/null
archive="$scratch/dist/lorvan_latest.zip"
[ -f "$archive" ] || { echo "no archive at $archive"; exit 1; }

unzip -q "$archive" -d "$scratch/unpacked"
listing=$(cd "$scratch/unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$listing" = "./Lorvan.exe ./ReadMe.txt " ] || { echo "archive holds: $listing"; exit 1; }
cmp "$built_exe" "$scratch/unpacked/Lorvan.exe" || { echo "Lorvan.exe differs from the build"; exit 1; }
grep -q "LorvanResults_" "$scratch/unpacked/ReadMe.txt" || { echo "readme lacks the results file"; exit 1; }
echo "archive holds the built Lorvan.exe and ReadMe.txt"
