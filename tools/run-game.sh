#!/usr/bin/env bash
# Builds the game and starts it in a play folder outside the source tree, which holds the
# default question file: playing never dirties the checkout.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/tools/setup.sh" -DQUILLORA_TESTS=OFF
PLAY="${QUILLORA_PLAY:-$HOME/quillora-play}"
mkdir -p "$PLAY"
for f in "$ROOT"/assets/data/*; do
  [ -e "$PLAY/$(basename "$f")" ] || cp "$f" "$PLAY/"
done
cd "$PLAY"
exec "$ROOT/build/quillora"
