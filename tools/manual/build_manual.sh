#!/usr/bin/env bash
# Builds the German manual: build_manual.sh TESSARO_EXE OUT_DIR [WORK_DIR]
# Takes fresh screenshots of TESSARO_EXE (tools/manual/take_screenshots.sh) into WORK_DIR/screenshots, turns
# docs/manual/handbuch.md into HTML with pandoc and the HTML into OUT_DIR/Tessaro.pdf with WeasyPrint (A4, page
# numbers, table of contents, bookmarks from the headings, embedded fonts). WORK_DIR defaults to build/manual.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 TESSARO_EXE OUT_DIR [WORK_DIR]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
out=$(realpath -m "$2")
work=$(realpath -m "${3:-$root/build/manual}")
mkdir -p "$out" "$work"

version=$(sed -n 's/^project(Tessaro VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "build_manual: no version in CMakeLists.txt" >&2; exit 1; }

bash "$root/tools/manual/take_screenshots.sh" "$exe" "$work/screenshots" "$work/wine"

cp "$root/docs/manual/manual.css" "$work/manual.css"
# The text with the version in the file names it gives, and the licence chapter's sections from the source that
# writes LIZENZEN.txt.
sed "s/@VERSION@/$version/g" "$root/docs/manual/handbuch.md" >"$work/handbuch.md"
python3 "$root/tools/release/licences.py" markdown "$work/licences.md"
printf '\n' >>"$work/handbuch.md"
cat "$work/licences.md" >>"$work/handbuch.md"
# No smart typography: the program's texts ("Über ...") are quoted as they are.
pandoc --from markdown-smart --to html5 --standalone --toc --toc-depth=2 \
    --template "$root/docs/manual/template.html" --css manual.css --metadata version="$version" \
    --output "$work/Tessaro.html" "$work/handbuch.md"
# WeasyPrint reads the images and the style sheet relative to the HTML file. The PDF opens with its bookmarks shown
# (the catalog's page mode), which WeasyPrint's command line does not set; its Python interface is Debian's, under
# the system's Python.
/usr/bin/python3 - "$work/Tessaro.html" "$out/Tessaro.pdf" <<'PYTHON'
import sys
import weasyprint


def show_bookmarks(document, pdf):
    pdf.catalog["PageMode"] = "/UseOutlines"


weasyprint.HTML(sys.argv[1]).write_pdf(sys.argv[2], finisher=show_bookmarks)
PYTHON
echo "build_manual: $out/Tessaro.pdf ($(pdfinfo "$out/Tessaro.pdf" | sed -n 's/^Pages: *//p') pages)"
