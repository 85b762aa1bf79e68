#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds build-sanitize: the game's library, every test suite and the fuzz
# targets, built with clang under AddressSanitizer and UndefinedBehaviorSanitizer (leak checking
# on), and exports the sanitizer settings that running them needs. Sourced by run-tests.sh and
# fuzz.sh; setup.sh installs clang.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SANITIZE_BUILD="$ROOT/build-sanitize"
# Leaks of Qt's and fontconfig's own that the game cannot free are listed in the suppressions
# file; every other leak fails.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$ROOT" -B "$SANITIZE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUILLORA_TESTS=ON -DQUILLORA_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$SANITIZE_BUILD" --parallel "$(nproc)"
