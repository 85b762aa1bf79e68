#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the shared-folder stress test (games saving into one high-score file, holders killed,
# abandoned locks, skewed time stamps) for a long time, stopping at the first lost score.
#   tools/stress-shared-folder.sh [BUILD_DIR] [HOURS] [ROUNDS_PER_RUN]
# Run it on the folder under test (e.g. a network mount) by setting TMPDIR to a folder there.
set -euo pipefail
build=${1:-build}
hours=${2:-2}
per_run=${3:-200}
tests="$build/tests/quillora_rule_tests"
[ -x "$tests" ] || { echo "no $tests: build with -DQUILLORA_TESTS=ON first" >&2; exit 2; }
end=$(( $(date +%s) + $(awk "BEGIN { print int($hours * 3600) }") ))
runs=0
while [ "$(date +%s)" -lt "$end" ]; do
  if ! QUILLORA_STRESS_ROUNDS=$per_run "$tests" --gtest_filter='SharedFolderStress.*' --gtest_brief=1 >/tmp/stress-shared-folder.log 2>&1; then
    cat /tmp/stress-shared-folder.log
    echo "FAILED after $runs runs of $per_run rounds" >&2
    exit 1
  fi
  runs=$((runs + 1))
  echo "$(date -u +%H:%M:%S) $((runs * per_run)) rounds, nothing lost"
done
