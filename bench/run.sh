#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and prints their figures: the file work, then the game's window side by
# side with a bare Qt Widgets window of the same size (start-up, memory, CPU, click to next
# question), as ratios. Offscreen by default; QT_QPA_PLATFORM=xcb measures on a real display.
# BENCH_RUNS (default 3), BENCH_IDLE_SECONDS and BENCH_GAME_SECONDS (default 3) set the lengths.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" || {
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq libbenchmark-dev
}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$ROOT" -B "$ROOT/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLORA_BENCH=ON -DQUILLORA_TESTS=OFF "${launcher[@]}"
cmake --build "$ROOT/build-bench" --target quillora_bench window_bench quillora_window_probe bare_window_probe
"$ROOT/build-bench/bench/quillora_bench" --benchmark_min_time=0.2
echo
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$ROOT/build-bench/bench/window_bench" \
  "$ROOT/build-bench/bench/quillora_window_probe" "$ROOT/build-bench/bench/bare_window_probe" "${BENCH_RUNS:-3}"
