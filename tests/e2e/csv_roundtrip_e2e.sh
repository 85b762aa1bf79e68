# SPDX-License-Identifier: GPL-3.0-or-later
# A question file through a spreadsheet and back: exported to CSV as the question editor exports
# it, opened and saved by LibreOffice Calc (CSV to .ods, .ods to CSV), imported again; the
# questions must come back unchanged. Called as: csv_roundtrip_e2e.sh BUILD_DIR SOURCE_DIR
set -u
build=$(cd "$1" && pwd)
check="$build/quillora-check"
[ -x "$check" ] || { echo "FAIL: $check is not built"; exit 1; }
command -v soffice >/dev/null || { echo "FAIL: soffice (libreoffice-calc-nogui) is not installed"; exit 1; }
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
cd "$work" || exit 1
export HOME="$work/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

# Commas, quotation marks, semicolons, accents, a number and an empty wrong answer: what a
# teacher's questions hold. Windows-1252 with CR LF, as teachers' question files are.
printf '%s\r\n' \
    'Which is larger, Ontario or Quebec?' 'Quebec' 'Ontario' 'Both "equal"' 'Neither' \
    'Où est Trois-Rivières?' 'Québec' 'Ontario' 'Manitoba' 'Nunavut' \
    'In which year did Canada become a country?' '1867' '1812' '1905' '1949' \
    'Capital of Nunavut; a city of the Arctic?' 'Iqaluit' 'Rankin Inlet' 'Cambridge Bay' '' \
    | iconv -f UTF-8 -t WINDOWS-1252 > Lesson.qtn || { echo "FAIL: iconv"; exit 1; }

run() { timeout 120 "$@" || { echo "FAIL: $* (exit $?)"; exit 1; }; }
run "$check" --convert Lesson.qtn Lesson.csv >/dev/null
run "$check" --convert Lesson.csv Direct.qtn >/dev/null
cmp -s Lesson.qtn Direct.qtn || { echo "FAIL: the CSV alone does not read back as the question file"; exit 1; }

profile="-env:UserInstallation=file://$work/lo-profile"
# Comma-separated, quoted text, UTF-8 (76), first line as is.
run soffice "$profile" --headless --infilter="CSV:44,34,76,1" --convert-to ods --outdir ods Lesson.csv >soffice.log 2>&1
[ -s ods/Lesson.ods ] || { echo "FAIL: LibreOffice made no .ods:"; cat soffice.log; exit 1; }
run soffice "$profile" --headless --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1" --outdir back ods/Lesson.ods >>soffice.log 2>&1
[ -s back/Lesson.csv ] || { echo "FAIL: LibreOffice wrote no CSV back:"; cat soffice.log; exit 1; }

run "$check" --convert back/Lesson.csv Back.qtn > import.log
if ! cmp -s Lesson.qtn Back.qtn; then
    echo "FAIL: the questions changed on their way through LibreOffice:"
    diff <(iconv -f WINDOWS-1252 -t UTF-8 Lesson.qtn) <(iconv -f WINDOWS-1252 -t UTF-8 Back.qtn)
    echo "--- the CSV LibreOffice wrote:"; cat back/Lesson.csv
    exit 1
fi
echo "PASS: 4 questions through LibreOffice and back unchanged ($(head -c 3 back/Lesson.csv | od -An -tx1 | tr -d ' ') at the start of its CSV)"
exit 0
