#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the quiz picture, the crests and the floral emblems (with the fine copies under
# assets/fine/ the game draws from when it shows them larger) into assets/ and checks that
# the generator gives the same bytes twice. Run from anywhere: tools/symbolgen/make-assets.sh
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-symbolgen"

cmake -S "$root" -B "$build" -G Ninja -DQUILLORA_ASSET_TOOLS=ON >/dev/null
cmake --build "$build" --target quillora_symbolgen

gen="$build/tools/symbolgen/quillora_symbolgen"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$gen" "$scratch/first"
"$gen" "$scratch/second"
if ! diff -r "$scratch/first" "$scratch/second" >/dev/null; then
    echo "make-assets: two runs gave different bytes" >&2
    diff -rq "$scratch/first" "$scratch/second" >&2 || true
    exit 1
fi

"$gen" "$root/assets"
if ! diff -r "$scratch/first/crests" "$root/assets/crests" >/dev/null ||
   ! diff -r "$scratch/first/floral" "$root/assets/floral" >/dev/null ||
   ! diff -r "$scratch/first/fine/crests" "$root/assets/fine/crests" >/dev/null ||
   ! diff -r "$scratch/first/fine/floral" "$root/assets/fine/floral" >/dev/null ||
   ! cmp -s "$scratch/first/quiz.bmp" "$root/assets/quiz.bmp"; then
    echo "make-assets: assets/ differs from a fresh run" >&2
    exit 1
fi
echo "make-assets: quiz picture, 13 crests and 13 floral emblems, with their fine copies, written to assets/ (deterministic)"
