#!/usr/bin/env bash
# Packs the web page with scripts/package.sh into a scratch folder, unpacks the
# archive and checks it holds exactly the built site, and that the whole site
# stays within 1 MB, fonts and all.
#   check_site_package.sh <source-dir> <web build-dir> <scratch-dir>
set -euo pipefail
source_dir=$1
build_dir=$2
scratch=$3

rm -rf "$scratch"
mkdir -p "$scratch/dist" "$scratch/unpacked"
LORVAN_PACKAGES=web LORVAN_WEB_BUILD_DIR="$build_dir" LORVAN_DIST_DIR="$scratch/dist" \
    bash "$source_dir/scripts/package.sh" >/dev/null
archive="$scratch/dist/lorvan_web.zip"
[ -f "$archive" ] || { echo "no archive at $archive"; exit 1; }

unzip -q "$archive" -d "$scratch/unpacked"
listing=$(cd "$scratch/unpacked" && find . -type f | sort | tr '\n' ' ')
expected="./FONTS-LICENSE.txt ./favicon.ico ./index.html ./lorvan-page.js ./lorvan.css ./lorvan.js ./lorvan.wasm "
[ "$listing" = "$expected" ] || { echo "archive holds: $listing"; exit 1; }
for file in "$scratch"/unpacked/*; do
    cmp "$file" "$build_dir/web/site/$(basename "$file")" || { echo "$file differs from the build"; exit 1; }
done
grep -q "SIL Open Font License" "$scratch/unpacked/FONTS-LICENSE.txt" || { echo "no font licence"; exit 1; }
bytes=$(cat "$scratch"/unpacked/* | wc -c)
echo "the site holds $bytes bytes"
[ "$bytes" -le 1048576 ] || { echo "the site is larger than 1 MB"; exit 1; }
