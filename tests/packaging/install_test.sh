#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands where a Debian
# desktop expects it, nothing else is installed, and the desktop entry and metainfo validate.
# Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.quillora.Quillora
expected=(bin/quillora
          share/applications/$id.desktop
          share/metainfo/$id.metainfo.xml
          share/man/man6/quillora.6.gz
          share/doc/quillora/README.md
          share/doc/quillora/CREDITS
          share/doc/quillora/copyright
          share/doc/quillora/changelog.Debian.gz)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/quillora.png")
done
# Every program of the project that this build made, with its manual page.
if [ -n "$(find "$build" -maxdepth 2 -type f -name quillora-check)" ]; then
  expected+=(bin/quillora-check)
fi
expected+=(share/man/man1/quillora-check.1.gz)

diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) \
  || fail "the installed files differ from the expected list (< expected, > installed)"

for size in 16 32 48 64 128 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/quillora.png" | grep -q "PNG image data, $size x $size," \
    || fail "the ${size} px icon is not a $size x $size PNG"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not validate"
grep -qx 'Exec=quillora --user-folder' "$prefix/share/applications/$id.desktop" \
  || fail "the desktop entry does not start the player's own play folder"
grep -qx 'Icon=quillora' "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null \
  || { appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >&2; fail "the metainfo does not validate"; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo names another version"
grep -q '<screenshot type="default">' "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo has no screenshot"

gzip -dc "$prefix/share/man/man6/quillora.6.gz" | grep -q '^\.TH QUILLORA 6 .*Quillora '"$version" \
  || fail "the manual page is not in section 6 of this version"
gzip -dc "$prefix/share/man/man1/quillora-check.1.gz" | grep -q '^\.TH QUILLORA-CHECK 1 .*Quillora '"$version" \
  || fail "the checker's manual page is not in section 1 of this version"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$prefix/share/doc/quillora/copyright" || fail "the copyright file is not in the machine-readable format"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$prefix/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo does not name the project's licence"

# The installed game answers without a display and needs nothing from the source tree.
[ "$(env -i "$prefix/bin/quillora" --version)" = "Quillora $version" ] || fail "quillora --version is wrong"
env -i "$prefix/bin/quillora" --help | grep -q -- '--user-folder' || fail "quillora --help does not name --user-folder"
# A mistake is told once the toolkit has taken its own options out, so it needs a display.
status=0; env -i QT_QPA_PLATFORM=offscreen "$prefix/bin/quillora" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown option gives status $status, not 2"
# Started as the desktop entry starts it, by a player who has never played: the game makes the
# play folder, gives it the question file and reads its high scores there (a missing high-score
# file is created at start-up, which shows the game runs in that folder).
home="$prefix/home"
mkdir -p "$home"
(cd / && exec env -i HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/quillora" --user-folder) &
game=$!
play="$home/.local/share/quillora"
for _ in $(seq 300); do
  [ -f "$play/Valdra.scr" ] && break
  kill -0 $game 2>/dev/null || break
  sleep 0.1
done
kill $game 2>/dev/null || true
wait $game 2>/dev/null || true
[ -f "$play/Valdra.scr" ] || fail "the game did not start in $play"
cmp -s "$play/Valdra.qtn" "$(dirname "$0")/../../assets/data/Valdra.qtn" \
  || fail "the play folder was not given the default question file"
echo "install test: ${#expected[@]} files where they belong; the game starts in its own play folder"
