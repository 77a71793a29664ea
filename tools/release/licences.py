#!/usr/bin/env python3
"""The licences of the libraries linked into Tessaro.exe, one section per library, each licence as the library
states it, with lines of at most 80 characters. One source for both places that show them:

    licences.py text OUT_FILE       writes LIZENZEN.txt (UTF-8 with a byte order mark, CRLF)
    licences.py markdown OUT_FILE   writes the sections of the manual's licence chapter

libpng and libjpeg-turbo are built from Debian's source packages (scripts/build-deps.sh): their licence files are read
from those sources. zlib, the MinGW-w64 runtime, winpthreads and the GCC runtime come with Debian's cross compiler:
their licences are read from those packages' copyright files.
"""
import os
import re
import sys
import textwrap

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCES = os.path.join(ROOT, "build", "deps", "work")
DOC = "/usr/share/doc"
WIDTH = 80


def read(path):
    if not os.path.isfile(path):
        sys.exit(f"licences: {path} is missing (the library sources come from scripts/build-deps.sh)")
    return open(path, encoding="utf-8").read()


def source_file(package, name):
    return read(os.path.join(SOURCES, f"src-{package}", name)).splitlines()


def lines_between(lines, first, last):
    """The lines from the one that is `first` (a heading) to the one after it that starts with `last`."""
    start = next(i for i, line in enumerate(lines) if line.strip() == first)
    end = next(i for i in range(start, len(lines)) if lines[i].startswith(last))
    return lines[start:end + 1]


def copyright_paragraphs(package):
    """The paragraphs of a Debian machine-readable copyright file as dictionaries of field: lines."""
    result = []
    for block in re.split(r"\n\s*\n", read(f"{DOC}/{package}/copyright")):
        fields, name = {}, None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and name:
                fields[name].append(line)
            elif ":" in line:
                name, value = line.split(":", 1)
                fields[name] = [value.strip()] if value.strip() else []
        if fields:
            result.append(fields)
    return result


def unfold(lines):
    # In a copyright file a continuation line starts with a space; a lone " ." is an empty line.
    return ["" if line.strip() == "." else line[1:] if line.startswith(" ") else line.strip() for line in lines]


def debian_licence(package, files, name):
    """The copyright of the paragraph for `files` and the text of the licence `name`, as the package states them."""
    paragraphs = copyright_paragraphs(package)
    owners = next(p["Copyright"] for p in paragraphs if p.get("Files", [""])[0] == files)
    text = next(p["License"][1:] for p in paragraphs if p.get("License", [""])[0] == name and len(p["License"]) > 1)
    return ["Copyright (c) " + owner.strip() for owner in owners] + [""] + unfold(text)


def wrap(lines):
    """Lines longer than WIDTH broken at spaces, continued at their indentation; shorter lines stay as they are."""
    out = []
    for line in lines:
        line = line.rstrip().replace("\t", "    ")
        if len(line) <= WIDTH:
            out.append(line)
            continue
        indent = re.match(r"\s*(?:[-*]\s+|\d+\.\s+)?", line).end()
        out.extend(textwrap.wrap(line, WIDTH, subsequent_indent=" " * indent, break_long_words=False,
                                 break_on_hyphens=False))
    return out


IJG_NOTICE = "This software is based in part on the work of the Independent JPEG Group."

# (title, what Tessaro takes from the library (German, for the manual), the licence's lines)
LIBRARIES = [
    ("libpng", "Tessaro verwendet libpng, um die eingebetteten PNG-Bilder zu lesen.",
     lambda: source_file("libpng1.6", "LICENSE")),
    ("libjpeg-turbo", "Tessaro verwendet libjpeg-turbo, um die eingebetteten JPEG-Bilder zu lesen. Die IJG-Lizenz "
     "verlangt den Hinweis: „" + IJG_NOTICE + "“",
     lambda: [IJG_NOTICE, ""] + source_file("libjpeg-turbo", "LICENSE.md") + [""]
     + lines_between(source_file("libjpeg-turbo", "README.ijg"), "LEGAL ISSUES", "assumed by the product vendor.")),
    ("zlib", "libpng entpackt seine Daten mit zlib.",
     lambda: debian_licence("libz-mingw-w64", "*", "Zlib")),
    ("MinGW-w64-Laufzeit", "Tessaro wird mit MinGW-w64 übersetzt; sein Start-up-Code und Hilfen der C-Laufzeit sind "
     "statisch eingebunden.",
     lambda: debian_licence("mingw-w64-common", "*", "ZPL-2.1")),
    ("winpthreads", "Die Thread-Bibliothek von MinGW-w64, die die C++-Laufzeit verwendet.",
     lambda: debian_licence("mingw-w64-common", "mingw-w64-libraries/winpthreads/*", "expat")),
    ("GCC-Laufzeit (libgcc, libstdc++)", "Die Laufzeitbibliotheken von GCC stehen unter der GNU General Public "
     "License Version 3 mit der „GCC Runtime Library Exception“, die das Einbinden in Programme jeder Lizenz erlaubt.",
     lambda: lines_between(read(f"{DOC}/gcc-mingw-w64-base/copyright").splitlines(),
                           "The following runtime libraries are licensed under the terms of the", " - libvtv") + [""]
     + lines_between(read(f"{DOC}/gcc-mingw-w64-base/copyright").splitlines(), "GCC RUNTIME LIBRARY EXCEPTION",
                     "presumption that third-party software is unaffected")
     + ["", "The GNU General Public License, version 3: https://www.gnu.org/licenses/gpl-3.0.html"]),
]


def licence(make):
    lines = wrap(make())
    while lines and not lines[-1]:
        lines.pop()
    return lines


def as_text():
    out = ["Tessaro - Lizenzen der enthaltenen Bibliotheken", "",
           *textwrap.wrap("Tessaro.exe enthält die folgenden Bibliotheken, statisch gebunden. Hier steht die Lizenz "
                          "jeder Bibliothek so, wie die Bibliothek sie angibt.", WIDTH), ""]
    for title, _, make in LIBRARIES:
        out += ["=" * WIDTH, title, "=" * WIDTH, ""] + licence(make) + [""]
    return "\r\n".join(line.rstrip() for line in out).rstrip() + "\r\n"


def as_markdown():
    out = []
    for title, use, make in LIBRARIES:
        out += [f"## {title}", "", use, "", '<div class="licence">', ""]
        out += ["    " + line if line else "" for line in licence(make)]
        out += ["", "</div>", ""]
    return "\n".join(out)


def main():
    kind, path = sys.argv[1], sys.argv[2]
    if kind == "text":
        with open(path, "w", encoding="utf-8-sig", newline="") as f:
            f.write(as_text())
    elif kind == "markdown":
        with open(path, "w", encoding="utf-8") as f:
            f.write(as_markdown())
    else:
        sys.exit(f"licences: unknown kind {kind}")


if __name__ == "__main__":
    main()
