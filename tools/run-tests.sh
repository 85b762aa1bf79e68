#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and every test suite, then runs them all (offscreen: no display needed) and
# checks the Debian package; then the whole suite again under the sanitizers, and each fuzz
# target for a short while.
#   bash tools/run-tests.sh           everything (what .ci/run calls; about a quarter of an hour
#                                     on two cores)
#   bash tools/run-tests.sh --quick   the build, the whole CTest suite and the package check only
#                                     (a few minutes): what to run while working
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUICK=0
case "${1:-}" in
  --quick) QUICK=1 ;;
  "") ;;
  *) echo "usage: bash tools/run-tests.sh [--quick]" >&2; exit 2 ;;
esac
# The end-to-end tests (label e2e) drive the real programs the game meets: a screen reader on a
# real accessibility bus, a spreadsheet program, a PDF reader, a window manager under Xvfb.
# The full run installs them; --quick leaves those tests out.
E2E_PACKAGES="xvfb openbox x11-utils xdotool imagemagick dbus-x11 at-spi2-core orca
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-pyatspi gir1.2-atspi-2.0
  poppler-utils libreoffice-calc-nogui"
[ "$QUICK" -eq 1 ] || export QUILLORA_EXTRA_PACKAGES="$E2E_PACKAGES"
source "$ROOT/tools/setup.sh" -DQUILLORA_TESTS=ON
cd "$ROOT/build"
if [ "$QUICK" -eq 1 ]; then
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -j "$(nproc)" -LE e2e
else
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -j "$(nproc)" -LE e2e
  # One at a time: each starts its own X server, bus and services.
  ctest --output-on-failure --timeout 600 -L e2e
fi

# The Debian package: built with CPack from the same build, its contents and dependencies
# checked (a step of its own, as it packs the whole build).
bash "$ROOT/tests/packaging/package_check.sh" "$ROOT/build"
[ "$QUICK" -eq 1 ] && exit 0

# The sanitizer suite (ASan, UBSan, leak checks; clang build in build-sanitize) and the fuzz
# smoke runs, 30 s a target.
source "$ROOT/tools/sanitize.sh"
# The end-to-end tests ran above on the ordinary build: they judge what the outside world sees,
# and under the sanitizers the game is too slow for the programs it talks to.
( cd "$SANITIZE_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)" -LE e2e )
bash "$ROOT/tools/fuzz.sh" 30
