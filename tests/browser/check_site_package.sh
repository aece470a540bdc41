#!/usr/bin/env bash
# Packs the web site with scripts/package.sh into a scratch folder, unpacks the
# archive and checks it holds exactly the built release: one release stamped on
# every address the page asks for, a service worker that precaches every file
# under the address the page uses, the page's own policy in _headers, and a
# whole site within 1 MB, fonts and all.
#   check_site_package.sh <source-dir> <web build-dir> <scratch-dir>
set -euo pipefail
source_dir=$1
build_dir=$2
scratch=$3
site=$(cd "$build_dir/web/site" && pwd)

fail() { echo "$*"; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/dist" "$scratch/unpacked"
LORVAN_PACKAGES=web LORVAN_WEB_BUILD_DIR="$build_dir" LORVAN_DIST_DIR="$scratch/dist" \
    LORVAN_LOG_DIR="$scratch/logs" bash "$source_dir/scripts/package.sh" >/dev/null
archive="$scratch/dist/lorvan_web.zip"
[ -f "$archive" ] || fail "no archive at $archive"

unzip -q "$archive" -d "$scratch/unpacked"
cd "$scratch/unpacked"
listing=$(find . -type f | sort | tr '\n' ' ')
[ "$listing" = "$(cd "$site" && find . -type f | sort | tr '\n' ' ')" ] ||
    fail "archive holds: $listing"
for file in FONTS-LICENSE.txt _headers apple-touch-icon.png favicon.ico icon-192.png \
            icon-512.png index.html lorvan-page.js lorvan.css lorvan.js lorvan.wasm \
            manifest.webmanifest offline.js service-worker.js; do
    [ -f "$file" ] || fail "the site lacks $file"
done
for file in *; do
    cmp "$file" "$site/$file" || fail "$file differs from the build"
done
grep -q "SIL Open Font License" FONTS-LICENSE.txt || fail "no font licence"

# One release everywhere: the worker's cache and every stamped address.
release=$(sed -n 's/^const RELEASE = "\([0-9a-f]\{16\}\)";$/\1/p' service-worker.js)
[ -n "$release" ] || fail "the service worker names no release"
others=$(grep -oh '?v=[^"'"'"']*' ./*.html ./*.js ./*.webmanifest | sort -u | grep -vx "?v=$release" || true)
[ -z "$others" ] || fail "addresses of another release: $others"
grep -q "lorvan.wasm?v=$release" lorvan.js || fail "lorvan.js fetches an unversioned module"

# Offline, the page finds every file it asks for in the worker's cache.
precache=$(sed -n 's/^const SITE_FILES = \[\(.*\)\];$/\1/p' service-worker.js | tr -d '" ' | tr ',' '\n')
for file in * ; do
    case $file in service-worker.js | _headers) continue ;; esac
    grep -qxE "$file(\?v=$release)?" <<<"$precache" || fail "the worker does not precache $file"
done
for address in $(grep -oE '(src|href)="[^"]+"' index.html | sed -E 's/.*="(.*)"/\1/'); do
    grep -qxF "$address" <<<"$precache" || fail "index.html asks for $address, which is not precached"
done

policy=$(sed -n 's/.*<meta http-equiv="Content-Security-Policy" content="\([^"]*\)".*/\1/p' index.html)
[ -n "$policy" ] || fail "index.html has no policy"
grep -qxF "  Content-Security-Policy: $policy; frame-ancestors 'none'" _headers ||
    fail "_headers does not carry the page's policy"

bytes=$(cat ./* | wc -c)
echo "release $release: the site holds $bytes bytes"
[ "$bytes" -le 1048576 ] || fail "the site is larger than 1 MB"
