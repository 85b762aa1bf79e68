# SPDX-License-Identifier: GPL-3.0-or-later
# The built game without any display: help, version and a mistake answer on the terminal, and
# the game itself says in one line that it has no display. Called as: nodisplay_test.sh QUILLORA
set -u
game=$1
fail=0
check() {  # what, wanted status, got status
    if [ "$2" != "$3" ]; then echo "FAIL: $1: exit $3, wanted $2"; fail=1; fi
}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$game" "$@" >"$out" 2>"$err"; }

run --help; check "--help" 0 $?
grep -q -- "--user-folder" "$out" || { echo "FAIL: --help printed no usage"; fail=1; }
run --version; check "--version" 0 $?
grep -q "^Quillora " "$out" || { echo "FAIL: --version printed $(cat "$out")"; fail=1; }
run --bogus; check "--bogus" 2 $?
grep -q "unknown option '--bogus'" "$err" && grep -q "^Usage: quillora" "$err" \
    || { echo "FAIL: --bogus said: $(cat "$err")"; fail=1; }
[ -s "$out" ] && { echo "FAIL: --bogus wrote to standard output"; fail=1; }
run -platform xcb --bogus; check "-platform xcb --bogus" 2 $?
play=$(mktemp -d)
run "$play"; check "the game" 1 $?
rm -rf "$play"
[ "$(wc -l <"$err")" = 1 ] && grep -q "^quillora: no display" "$err" \
    || { echo "FAIL: the game without a display said: $(cat "$err")"; fail=1; }
exit $fail
