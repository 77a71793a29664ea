#!/usr/bin/env bash
# Builds the manual from the given Tessaro.exe and checks it: check_manual.sh TESSARO_EXE WORK_DIR
# - A4 pages, the title, every font embedded (pdfinfo, pdffonts);
# - every chapter title of docs/manual/handbuch.md, every key of the program's nudge table and every menu text
#   of the main window's menu in the PDF's text (pdftotext), so a new shortcut or menu item needs its documentation;
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

# The keys of the nudges, written the way the manual and the buttons' tooltips name them.
shortcuts=0
while IFS= read -r key; do
    name=
    case "$key" in
    *TkShiftKey*) name='Shift + ' ;;
    *TkControlKey*) name='Ctrl + ' ;;
    esac
    case "$key" in
    *VK_UP) name+='Cursortaste aufwärts' ;;
    *VK_DOWN) name+='Cursortaste abwärts' ;;
    *VK_LEFT) name+='Cursortaste links' ;;
    *VK_RIGHT) name+='Cursortaste rechts' ;;
    *) fail "the nudge key $key has no name here; document it in the manual and name it in $0" && continue ;;
    esac
    expect_text "shortcut" "$name"
    shortcuts=$((shortcuts + 1))
done < <(sed -n 's/^ *{Cmd[A-Za-z]*, *\([^,]*\),.*/\1/p' "$root/src/windows/window_placement.cpp")
[ "$shortcuts" -eq 12 ] || fail "read $shortcuts nudge keys from the program instead of 12"

menus=0
while IFS= read -r constant; do
    value=$(sed -n "s/.*const char\* $constant = \"\(.*\)\";/\1/p" "$root/src/core/program_texts.h")
    [ -n "$value" ] || { fail "no text for $constant"; continue; }
    expect_text "menu text" "${value//&/}"
    menus=$((menus + 1))
done < <(sed -n 's/^ *TkMenu\(Title\|Item\)(\([A-Za-z]*, *\)\{0,1\}\([A-Za-z]*\));/\3/p' "$root/src/windows/main_window.cpp")
[ "$menus" -ge 11 ] || fail "read $menus menu texts from the main window instead of at least 11"

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

echo "manual: $chapters chapters, $shortcuts shortcuts, $menus menu texts, $(wc -l <<<"$taken") screenshots;" \
    "$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') pages"
[ "$failures" -eq 0 ] || { echo "manual: $failures failed checks" >&2; exit 1; }
