#!/usr/bin/env bash
# Builds Lorvan.exe and the web page and packs them for players:
#   dist/lorvan_latest.zip holding Lorvan.exe and ReadMe.txt;
#   dist/lorvan_web.zip, a static site (index.html, its script and style, the
#   WebAssembly module and its loader, the icon and the fonts' licence) that any
#   static web host serves as it is.
#
#   bash scripts/package.sh
#
# LORVAN_BUILD_DIR picks another build tree of the Windows preset (it must be
# configured already), LORVAN_WEB_BUILD_DIR one of the web preset; LORVAN_DIST_DIR
# another folder for the archives; LORVAN_PACKAGES="exe" or "web" packs only one.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

dist_dir=${LORVAN_DIST_DIR:-$root/dist}
packages=${LORVAN_PACKAGES:-exe web}
# What a static host needs of the web build, and nothing else.
web_site_files=(index.html lorvan-page.js lorvan.css lorvan.js lorvan.wasm favicon.ico
                FONTS-LICENSE.txt)

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir -p "$dist_dir"

pack_exe() {
    local build_dir=${LORVAN_BUILD_DIR:-$root/build/windows}
    if [ -z "${LORVAN_BUILD_DIR:-}" ] && [ ! -f "$build_dir/build.ninja" ]; then
        cmake --preset windows >/dev/null
    fi
    cmake --build "$build_dir" --target Lorvan -j 2 >/dev/null

    # Players open the readme with Notepad: give it Windows line ends.
    cp "$build_dir/Lorvan.exe" "$staging/Lorvan.exe"
    sed 's/$/\r/' "$root/docs/player-readme.txt" >"$staging/ReadMe.txt"

    local archive="$dist_dir/lorvan_latest.zip"
    rm -f "$archive"
    (cd "$staging" && zip -q -X "$archive" Lorvan.exe ReadMe.txt)
    echo "$archive"
}

pack_web() {
    local build_dir=${LORVAN_WEB_BUILD_DIR:-$root/build/web}
    if [ -z "${LORVAN_WEB_BUILD_DIR:-}" ] && [ ! -f "$build_dir/build.ninja" ]; then
        cmake --preset web >/dev/null
    fi
    cmake --build "$build_dir" --target lorvan_web -j 2 >/dev/null

    local archive="$dist_dir/lorvan_web.zip"
    rm -f "$archive"
    (cd "$build_dir/web/site" && zip -q -X "$archive" "${web_site_files[@]}")
    echo "$archive"
}

for package in $packages; do
    "pack_$package"
done
