#!/usr/bin/env bash
# Builds the game and every test suite, then runs them all (offscreen: no display needed);
# then the whole suite again under the sanitizers, and each fuzz target for a short while.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/tools/setup.sh" -DQUILLORA_TESTS=ON
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -j "$(nproc)"

# The Debian package: built with CPack from the same build, its contents and dependencies
# checked (a step of its own, as it packs the whole build).
bash "$ROOT/tests/packaging/package_check.sh" "$ROOT/build"

# The sanitizer suite (ASan, UBSan, leak checks; clang build in build-sanitize) and the fuzz
# smoke runs, 30 s a target.
source "$ROOT/tools/sanitize.sh"
( cd "$SANITIZE_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)" )
bash "$ROOT/tools/fuzz.sh" 30
