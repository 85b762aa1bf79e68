#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the shared-folder stress test (eight games saving into one high-score file and one class
# record, holders killed, every kind of lock left behind, skewed time stamps) for as long as
# asked, stopping at the first lost save, and prints the counts of each run.
#   tools/stress-shared-folder.sh [BUILD_DIR] [HOURS] [ROUNDS_PER_RUN] [TIMING]
# TIMING: "short" (a 300 ms stale limit: many rounds) or "game" (the game's own 4 s), or "both"
# (the default: runs alternate). Run it on the folder under test (e.g. a network mount) by
# setting TMPDIR to a folder there.
set -euo pipefail
build=${1:-build}
hours=${2:-2}
per_run=${3:-200}
timing=${4:-both}
tests="$build/tests/quillora_rule_tests"
[ -x "$tests" ] || { echo "no $tests: build with -DQUILLORA_TESTS=ON first" >&2; exit 2; }
case "$timing" in short|game|both) ;; *) echo "TIMING is short, game or both" >&2; exit 2 ;; esac
log=$(mktemp "${TMPDIR:-/tmp}/stress-shared-folder.XXXXXX")
trap 'rm -f "$log"' EXIT
end=$(( $(date +%s) + $(awk "BEGIN { print int($hours * 3600) }") ))
runs=0
while [ "$(date +%s)" -lt "$end" ]; do
  this=$timing
  [ "$timing" = both ] && { [ $((runs % 2)) -eq 0 ] && this=short || this=game; }
  if ! QUILLORA_STRESS_TIMING=$this QUILLORA_STRESS_ROUNDS=$per_run "$tests" --gtest_filter='SharedFolderStress.*' \
      --gtest_brief=1 >"$log" 2>&1; then
    cat "$log"
    echo "FAILED in run $((runs + 1)) ($this timing, $per_run rounds)" >&2
    exit 1
  fi
  runs=$((runs + 1))
  echo "$(date -u +%H:%M:%S) run $runs, $this timing: $(grep -m1 ' rounds, ' "$log")"
done
