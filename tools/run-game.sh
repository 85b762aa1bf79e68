#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and starts it in a play folder outside the source tree, which holds the
# default question file: playing never dirties the checkout.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/tools/setup.sh" -DQUILLORA_TESTS=OFF
PLAY="${QUILLORA_PLAY:-$HOME/quillora-play}"
# The game makes the folder and gives it the default question file when it has none.
exec "$ROOT/build/quillora" "$PLAY"
