#!/usr/bin/env bash
# Builds Lorvan.exe and the web site and packs them for players:
#   dist/lorvan_latest.zip holding Lorvan.exe and ReadMe.txt;
#   dist/lorvan_web.zip, the static site (the page and its modules, the
#   WebAssembly module and its loader, manifest, icons, service worker, _headers
#   and the fonts' licence) that any static web host serves as it is.
#
#   bash scripts/package.sh
#
# Works on a fresh clone: it installs what is missing and configures and builds
# through the presets, each step logged in build/logs/ (a failing step shows the
# end of its log). LORVAN_BUILD_DIR packs the Lorvan.exe of another build tree,
# LORVAN_WEB_BUILD_DIR the site of another web build tree, as they are built;
# LORVAN_DIST_DIR puts the archives elsewhere; LORVAN_PACKAGES="exe" or "web"
# packs only one.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/build-steps.sh

dist_dir=${LORVAN_DIST_DIR:-$root/dist}
packages=${LORVAN_PACKAGES:-exe web}

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir -p "$dist_dir"

if [ -z "${LORVAN_BUILD_DIR:-}${LORVAN_WEB_BUILD_DIR:-}" ]; then
    build_step install-deps bash scripts/install-deps.sh
fi

# The named file of a tree, or a message saying it was never built.
built() {
    [ -f "$1" ] || { echo "$1 is missing: that build tree has not been built" >&2; return 1; }
}

pack_exe() {
    local build_dir=${LORVAN_BUILD_DIR:-}
    if [ -z "$build_dir" ]; then
        build_dir=$root/build/windows
        build_preset windows Lorvan
    fi
    built "$build_dir/Lorvan.exe"

    # Players open the readme with Notepad: give it Windows line ends.
    cp "$build_dir/Lorvan.exe" "$staging/Lorvan.exe"
    sed 's/$/\r/' "$root/docs/player-readme.txt" >"$staging/ReadMe.txt"

    local archive="$dist_dir/lorvan_latest.zip"
    rm -f "$archive"
    (cd "$staging" && zip -q -X "$archive" Lorvan.exe ReadMe.txt)
    echo "$archive"
}

pack_web() {
    local build_dir=${LORVAN_WEB_BUILD_DIR:-}
    if [ -z "$build_dir" ]; then
        build_dir=$root/build/web
        build_preset web lorvan_site
    fi
    # The whole laid-out release, whatever files it holds.
    built "$build_dir/web/site/index.html"

    local archive="$dist_dir/lorvan_web.zip"
    rm -f "$archive"
    (cd "$build_dir/web/site" && zip -q -X -r "$archive" .)
    echo "$archive"
}

for package in $packages; do
    "pack_$package"
done
