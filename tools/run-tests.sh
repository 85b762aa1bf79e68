#!/usr/bin/env bash
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
source "$ROOT/tools/setup.sh" -DQUILLORA_TESTS=ON
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -j "$(nproc)"

# The Debian package: built with CPack from the same build, its contents and dependencies
# checked (a step of its own, as it packs the whole build).
bash "$ROOT/tests/packaging/package_check.sh" "$ROOT/build"
[ "$QUICK" -eq 1 ] && exit 0

# The sanitizer suite (ASan, UBSan, leak checks; clang build in build-sanitize) and the fuzz
# smoke runs, 30 s a target.
source "$ROOT/tools/sanitize.sh"
( cd "$SANITIZE_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)" )
bash "$ROOT/tools/fuzz.sh" 30
