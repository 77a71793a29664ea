#!/usr/bin/env bash
# Builds the manual from the given Tessaro.exe and checks it: check_manual.sh TESSARO_EXE WORK_DIR
# - A4 pages, the title, every font embedded (pdfinfo, pdffonts);
# - every chapter title of docs/manual/handbuch.md in the PDF's text (pdftotext); the facts the text takes from the
#   program's tables (keys, menu texts, settings, limits) are checked by check_manual_facts.py (the test manual.facts);
# - the PDF opens with its bookmarks shown;
# - the PDF's images are exactly the screenshots taken of this program file in this run (pixel signatures).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
work=$(realpath -m "$2")
pdf="$work/out/Tessaro.pdf"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

bash "$root/tools/manual/build_manual.sh" "$exe" "$work/out" "$work"

info=$(pdfinfo "$pdf")
grep -q '^Page size:.*(A4)$' <<<"$info" || fail "pages are not A4: $(grep '^Page size' <<<"$info")"
grep -qx 'Title: *Tessaro – Handbuch' <<<"$info" || fail "title: $(grep '^Title' <<<"$info")"
pdffonts "$pdf" | awk 'NR > 2 && $(NF-4) != "yes" { print; bad = 1 } END { exit bad }' >&2 ||
    fail "fonts not embedded"

# The text with all white space (line and page breaks inside table cells) made single blanks.
text=$(pdftotext -enc UTF-8 "$pdf" - | tr -s ' \t\n\f' ' ')
expect_text() { # what, text
    grep -qF -- "$2" <<<"$text" || fail "$1 missing from the manual: \"$2\""
}

chapters=0
while IFS= read -r title; do
    expect_text "chapter title" "$title"
    chapters=$((chapters + 1))
done < <(sed -n 's/^# //p' "$root/docs/manual/handbuch.md")
[ "$chapters" -ge 13 ] || fail "only $chapters chapters"
grep -aq '/PageMode /UseOutlines' "$pdf" || fail "the PDF does not open with its bookmarks shown"

# The screenshots: taken of this very file, and the PDF embeds exactly them.
recorded=$(sed -n 's/^program //p' "$work/screenshots/source.txt")
[ "$recorded" = "$(sha256sum "$exe" | cut -d' ' -f1)" ] || fail "screenshots not taken of $exe"
rm -rf "$work/pdf-images" && mkdir -p "$work/pdf-images"
pdfimages -png "$pdf" "$work/pdf-images/image"
embedded=$(identify -format '%wx%h %#\n' "$work/pdf-images"/*.png | sort)
taken=$(identify -format '%wx%h %#\n' "$work/screenshots"/*.png | sort)
[ "$embedded" = "$taken" ] || fail "the PDF's images are not the screenshots:
embedded:
$embedded
taken:
$taken"

echo "manual: $chapters chapters, $(wc -l <<<"$taken") screenshots;" \
    "$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') pages"
[ "$failures" -eq 0 ] || { echo "manual: $failures failed checks" >&2; exit 1; }
