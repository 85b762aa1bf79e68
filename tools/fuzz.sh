#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz targets, each for the given number of seconds (default 30; hours by hand):
#   bash tools/fuzz.sh [seconds] [target ...]      e.g.  bash tools/fuzz.sh 7200 highscores
# Each target starts from its seeds in tests/fuzz/corpus/<target>/; what it finds beyond them
# collects in build-sanitize/fuzz/corpus/<target>/. An input that breaks a property or trips a
# sanitizer is saved in build-sanitize/fuzz/ and the script fails.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-30}"
[ $# -gt 0 ] && shift
source "$ROOT/tools/sanitize.sh"
out="$SANITIZE_BUILD/fuzz"
mkdir -p "$out"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$SANITIZE_BUILD"/tests/fuzz/*_fuzz; do
    name="$(basename "$exe")"
    targets+=("${name%_fuzz}")
  done
fi
failed=0
for name in "${targets[@]}"; do
  exe="$SANITIZE_BUILD/tests/fuzz/${name}_fuzz"
  seeds="$ROOT/tests/fuzz/corpus/$name"
  found="$out/corpus/$name"
  mkdir -p "$found" "$seeds"
  log="$out/$name.log"
  if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$out/$name-" "$found" "$seeds" >"$log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
    cov="$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)"
    echo "fuzz $name: ${runs:-?} inputs in ${seconds}s, $cov, no fault"
  else
    echo "fuzz $name: FAILED (log: $log)"
    grep -E 'property broken|ERROR: |SUMMARY: |runtime error|Test unit written' "$log" | head -20 || tail -30 "$log"
    failed=1
  fi
done
exit $failed
