#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build with CPack and checks what it holds: the
# files where Debian expects them and dependencies that dpkg-shlibdeps computed.
# Usage: package_check.sh BUILD_DIR
set -euo pipefail
build=$1
fail() { echo "package check: $*" >&2; exit 1; }

cd "$build"
rm -f quillora_*.deb
log=$(cpack -G DEB 2>&1) || { echo "$log" >&2; fail "cpack failed"; }
debs=(quillora_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quillora_*.deb, found: ${debs[*]}"
deb=${debs[0]}

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
id=io.github.quillora.Quillora
for path in ./usr/bin/quillora ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/man/man6/quillora.6.gz ./usr/share/man/man1/quillora-check.1.gz \
            ./usr/share/doc/quillora/CREDITS ./usr/share/doc/quillora/copyright \
            ./usr/share/doc/quillora/changelog.Debian.gz \
            ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/quillora.png; do
  grep -qx -- "$path" <<<"$contents" || fail "$deb lacks $path"
done
if [ -n "$(find . -maxdepth 2 -type f -name quillora-check)" ]; then
  grep -qx -- ./usr/bin/quillora-check <<<"$contents" || fail "$deb lacks ./usr/bin/quillora-check"
fi
grep -v -e '^\./usr/' -e '^\./$' <<<"$contents" && fail "$deb holds files outside /usr"

[ "$(dpkg-deb -f "$deb" Package)" = quillora ] || fail "the package is not named quillora"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "the package is not in section education"
depends=$(dpkg-deb -f "$deb" Depends)
# Computed from the linked libraries (with versions), plus what Qt loads at run time.
for dep in 'libc6 (>=' 'libqt6core6 (>=' 'libqt6gui6 (>=' 'libqt6widgets6 (>=' 'libstdc++6 (>=' \
           qt6-qpa-plugins fonts-liberation qt6-translations-l10n; do
  grep -qF -- "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
# The programs are stripped, so the package carries no build paths.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
file "$unpacked/usr/bin/quillora" | grep -q ', stripped' || fail "quillora is not stripped"
# Debian's own package checker: any error or warning fails; the informational tags are shown.
if command -v lintian >/dev/null; then
  tags=$(lintian --display-info --tag-display-limit 0 "$deb" 2>&1) || true
  [ -n "$tags" ] && echo "$tags"
  grep -qE '^[EW]: ' <<<"$tags" && fail "lintian reports errors or warnings on $deb"
else
  fail "lintian is not installed (tools/setup.sh installs it)"
fi
echo "package check: $deb holds $(wc -l <<<"$contents") entries; Depends: $depends"
