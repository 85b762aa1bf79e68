#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs and is missing, then configures and builds into build/.
# Sourced by run-game.sh and run-tests.sh.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev fonts-liberation
          fonts-dejavu-core clang libclang-rt-14-dev
          desktop-file-utils appstream dpkg-dev file lintian
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          qt6-speech-dev qt6-speech-speechd-plugin qt6-charts-dev qt6-declarative-dev
          ${QUILLORA_EXTRA_PACKAGES:-})
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$ROOT/build" --parallel "$(nproc)"
