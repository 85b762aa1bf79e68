#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists (or with --fix, labels) every source and script file that lacks its licence line.
# The line goes first, or second after a "#!" line. Exits 1 when a file lacks it and --fix
# was not given, so the test suite can run it as a check.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
fix=false
[ "${1:-}" = --fix ] && fix=true
tag='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
# Source and script files: what git tracks, or in a tree without git, what find sees.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  list() { git ls-files --cached --others --exclude-standard; }
else
  list() { find . -path ./build -prune -o -path './build-*' -prune -o -type f -print | sed 's|^\./||'; }
fi
while IFS= read -r f; do
  case "$f" in
    *.cpp|*.h) comment='//' ;;
    *.sh|*CMakeLists.txt|*.cmake|*.py|.ci/run) comment='#' ;;
    *) continue ;;
  esac
  [ -f "$f" ] || continue
  head -n 3 "$f" | grep -qF "$tag" && continue
  if $fix; then
    if head -n 1 "$f" | grep -q '^#!'; then
      { head -n 1 "$f"; echo "$comment $tag"; tail -n +2 "$f"; } > "$f.spdx-tmp"
    else
      { echo "$comment $tag"; cat "$f"; } > "$f.spdx-tmp"
    fi
    chmod --reference="$f" "$f.spdx-tmp"
    mv "$f.spdx-tmp" "$f"
  else
    echo "no licence line: $f"
    missing=1
  fi
done < <(list)
exit $missing
