#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the map, the map pointer, the flags and the window icon into assets/, and the
# desktop icons into packaging/icons/, from pinned open data, and checks that the generator
# gives the same bytes twice.
# Run from anywhere: tools/mapgen/make-assets.sh
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-mapgen"

"$root/tools/mapgen/fetch-sources.sh"
cmake -S "$root" -B "$build" -G Ninja -DQUILLORA_ASSET_TOOLS=ON >/dev/null
cmake --build "$build" --target quillora_mapgen quillora_mapgen_tests

gen="$build/tools/mapgen/quillora_mapgen"
sources="$root/tools/.sources"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$scratch}"

# The generator refuses (and exits non-zero) when the map breaks one of its rules.
"$gen" "$sources" "$scratch/first" "$scratch/first/icons"
"$gen" "$sources" "$scratch/second" "$scratch/second/icons" 2>/dev/null
if ! diff -r "$scratch/first" "$scratch/second" >/dev/null; then
    echo "make-assets: two runs gave different bytes" >&2
    diff -rq "$scratch/first" "$scratch/second" >&2 || true
    exit 1
fi

"$gen" "$sources" "$root/assets" "$root/packaging/icons" 2>/dev/null
for f in map.bmp map-master.png pointer.ico icon.png $(cd "$scratch/first" && ls flags/*.gif fine/flags/*.png); do
    if ! cmp -s "$scratch/first/$f" "$root/assets/$f"; then
        echo "make-assets: assets/$f differs from a fresh run" >&2
        exit 1
    fi
done
if ! diff -r "$scratch/first/icons" "$root/packaging/icons" >/dev/null; then
    echo "make-assets: packaging/icons differs from a fresh run" >&2
    exit 1
fi
"$build/tools/mapgen/quillora_mapgen_tests" --gtest_brief=1
echo "make-assets: map, pointer, icon and 13 flags (with their fine copies) written to assets/, desktop icons to packaging/icons/ (deterministic)"
