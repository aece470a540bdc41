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
source "$(dirname "$0")/prelude.sh"
dist_dir=${LORVAN_DIST_DIR:-$lorvan_root/dist}
packages=${LORVAN_PACKAGES:-exe web}

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir -p "$dist_dir"

if [ -z "${LORVAN_BUILD_DIR:-}${LORVAN_WEB_BUILD_DIR:-}" ]; then
    install_deps
fi

# The build tree to pack: the one the variable names, as it is, or the preset's
# own tree, built now. Fails with a message when the tree lacks its product.
#   tree_with <variable> <preset> <target> <product inside the tree>
tree_with() {
    local named=${!1:-} preset=$2 target=$3 product=$4 tree
    tree=${named:-$lorvan_root/build/$preset}
    if [ -z "$named" ]; then
        build_preset "$preset" "$target" >&2
    fi
    [ -f "$tree/$product" ] || { echo "$tree/$product is missing: that build tree has not been built" >&2; return 1; }
    echo "$tree"
}

# Zips the files named (default: all) of a folder anew as dist/<archive>.
#   zip_anew <archive> <folder> [files...]
zip_anew() {
    local archive=$dist_dir/$1 folder=$2
    shift 2
    rm -f "$archive"
    if [ "$#" -eq 0 ]; then set -- .; fi
    (cd "$folder" && zip -q -X -r "$archive" "$@")
    echo "$archive"
}

pack_exe() {
    local tree
    tree=$(tree_with LORVAN_BUILD_DIR windows Lorvan Lorvan.exe)
    # Players open the readme with Notepad: give it Windows line ends.
    cp "$tree/Lorvan.exe" "$staging/Lorvan.exe"
    sed 's/$/\r/' "$lorvan_root/docs/player-readme.txt" >"$staging/ReadMe.txt"
    zip_anew lorvan_latest.zip "$staging" Lorvan.exe ReadMe.txt
}

pack_web() {
    local tree
    # The whole laid-out release, whatever files it holds.
    tree=$(tree_with LORVAN_WEB_BUILD_DIR web lorvan_site web/site/index.html)
    zip_anew lorvan_web.zip "$tree/web/site"
}

for package in $packages; do
    "pack_$package"
done
