#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and prints their figures: the file work, then the game side by side with
# a bare Qt Widgets window, as ratios: exec to the window mapped and resident memory (the game
# started in a play folder), CPU, a click to the next question, and relayout and a click at the
# largest zoom a 2560 x 1600 screen has room for. The window figures are taken on a display of
# its own: Xvfb at 2560 x 1600 with openbox, started here and stopped on exit, in a D-Bus session
# of its own as on a desktop (without one, Qt would start a bus at every start, and both windows
# would pay for it).
# BENCH_STARTS (default 15) sets the starts of each, BENCH_RUNS (default 3) the probe runs,
# BENCH_IDLE_SECONDS and BENCH_GAME_SECONDS (default 3) the lengths of the CPU figures.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
missing=()
for p in libbenchmark-dev libxcb1-dev pkg-config xvfb x11-utils openbox dbus-daemon; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
B="$ROOT/build-bench"
cmake -S "$ROOT" -B "$B" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLORA_BENCH=ON -DQUILLORA_TESTS=OFF "${launcher[@]}"
cmake --build "$B" --target quillora quillora_bench window_bench quillora_window_probe bare_window_probe
"$B/bench/quillora_bench" --benchmark_min_time=0.2
echo

# A display, a window manager, a play folder and settings of the run's own.
scratch="$(mktemp -d)"
xvfb=""; wm=""
cleanup() {
  [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1
done
mkdir -p "$scratch/play"
cp "$ROOT/assets/data/Valdra.qtn" "$scratch/play/"
dbus-run-session -- "$B/bench/window_bench" "$B/quillora" "$scratch/play" "$B/bench/quillora_window_probe" \
  "$B/bench/bare_window_probe" "${BENCH_STARTS:-15}" "${BENCH_RUNS:-3}"
