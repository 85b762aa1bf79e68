#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fetches the open data that the map and flag generator reads, at pinned versions, into
# tools/.sources/ (git-ignored). Only the generator reads these; the game never does.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
dest="$here/../.sources"
mkdir -p "$dest"

fetch() { # package version folder
  if [ -f "$dest/$3/package.json" ] && grep -q "\"version\": \"$2\"" "$dest/$3/package.json"; then
    return
  fi
  tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent "$1@$2" >/dev/null)
  rm -rf "$dest/$3"
  mkdir -p "$dest/$3"
  tar -xzf "$tmp"/*.tgz -C "$dest/$3" --strip-components=1
  rm -rf "$tmp"
  echo "fetched $1@$2"
}

# Keep these versions in step with CREDITS.
fetch @svg-maps/canada 2.0.0 svg-maps-canada
fetch world-atlas 2.0.2 world-atlas
fetch flag-icon 2.5.0 flag-icon
