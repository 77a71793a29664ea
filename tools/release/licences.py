#!/usr/bin/env python3
"""Writes LIZENZEN.txt: the licences and notices of everything linked into Tessaro.exe, taken from the Debian
packages the build uses (their copyright files under /usr/share/doc), as UTF-8 with a byte order mark and CRLF.

Usage: licences.py OUT_FILE
"""
import fnmatch
import re
import subprocess
import sys

DOC = "/usr/share/doc"


def package_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True, text=True,
                          check=True).stdout


def paragraphs(path):
    """The paragraphs of a machine-readable copyright file as lists of fields [(name, first line, more lines)]."""
    text = open(path, encoding="utf-8").read()
    result = []
    for block in re.split(r"\n\s*\n", text):
        fields = []
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and fields:
                fields[-1][2].append(line)
            elif ":" in line:
                name, value = line.split(":", 1)
                fields.append((name, value.strip(), []))
        if fields:
            result.append(fields)
    return result


def field(paragraph, name):
    for field_name, value, more in paragraph:
        if field_name == name:
            return value, more
    return None


def licence_texts(path, chosen):
    """The copyright paragraphs of the files chosen (a predicate over their file patterns), followed by the full text
    of every licence they name."""
    out = []
    named = []
    standalone = {}
    for paragraph in paragraphs(path):
        files = field(paragraph, "Files")
        licence = field(paragraph, "License")
        if files is None:
            if licence and licence[1]:
                standalone.setdefault(licence[0], licence[1])
            continue
        patterns = (files[0] + " " + " ".join(files[1])).split()
        if not licence or not any(chosen(p) for p in patterns):
            continue
        copyright_field = field(paragraph, "Copyright") or ("", [])
        out.append("Dateien: " + " ".join(patterns))
        out.append("Copyright: " + copyright_field[0])
        out.extend("           " + line.strip() for line in copyright_field[1])
        out.append("Lizenz: " + licence[0])
        if licence[1]:
            out.extend(unfold(licence[1]))
        elif licence[0] not in named:
            named.append(licence[0])
        out.append("")
    for name in named:
        if name in standalone:
            out.append("Lizenztext " + name + ":")
            out.extend(unfold(standalone[name]))
            out.append("")
    return out


def unfold(lines):
    # Continuation lines start with a space; a lone " ." is an empty line.
    return ["" if line.strip() == "." else line[1:] if line.startswith(" ") else line.strip() for line in lines]


def section(path, first, last):
    """The lines of a free-form file from the line starting with `first` to the line starting with `last`."""
    lines = open(path, encoding="utf-8").read().splitlines()
    start = next(i for i, line in enumerate(lines) if line.startswith(first))
    end = next(i for i in range(start, len(lines)) if lines[i].startswith(last))
    return lines[start:end + 1]


def in_source(*prefixes):
    return lambda pattern: pattern == "*" or any(pattern.startswith(p) for p in prefixes)


def main():
    out = [
        "Tessaro - Lizenzen der enthaltenen Bibliotheken",
        "",
        "Tessaro.exe enthält (statisch gebunden) die folgenden Bibliotheken. Ihre Lizenzen und Hinweise stehen",
        "hier vollständig, so wie Debian sie mit den Paketen ausliefert, aus denen das Programm gebaut ist.",
        "",
    ]

    def component(title, package, texts):
        out.extend(["=" * 78, f"{title} (Debian-Paket {package} {package_version(package)})", "=" * 78, ""])
        out.extend(texts)
        out.append("")

    component("libpng", "libpng16-16", licence_texts(f"{DOC}/libpng16-16/copyright", lambda p: p == "*"))
    jpeg_source = re.compile(r"^(j[^/]*|simd/x86_64/.*|simd/jsimd.*|simd/x86_64|LICENSE.md|README.ijg)$")
    component("libjpeg-turbo", "libjpeg62-turbo",
              ["This software is based in part on the work of the Independent JPEG Group.",
               "(Diese Software beruht zum Teil auf der Arbeit der Independent JPEG Group.)", ""]
              + licence_texts(f"{DOC}/libjpeg62-turbo/copyright",
                              lambda p: jpeg_source.match(p) is not None or fnmatch.fnmatch("jpeglib.h", p)))
    component("zlib", "libz-mingw-w64", licence_texts(f"{DOC}/libz-mingw-w64/copyright", lambda p: p == "*"))
    component("MinGW-w64-Laufzeit (C-Laufzeit und winpthreads)", "mingw-w64-common",
              licence_texts(f"{DOC}/mingw-w64-common/copyright",
                            lambda p: (in_source("mingw-w64-crt/", "mingw-w64-libraries/winpthreads/")(p)
                                       and "tests" not in p)))
    component("GCC-Laufzeit (libgcc, libstdc++)", "gcc-mingw-w64-base",
              section(f"{DOC}/gcc-mingw-w64-base/copyright", "The following runtime libraries are licensed",
                      " - libvtv")
              + [""]
              + section(f"{DOC}/gcc-mingw-w64-base/copyright", "GCC RUNTIME LIBRARY EXCEPTION",
                        "presumption that third-party software is unaffected")
              + ["", "GNU General Public License, Version 3:", ""]
              + open("/usr/share/common-licenses/GPL-3", encoding="utf-8").read().splitlines())

    text = "\r\n".join(line.rstrip() for line in out).rstrip() + "\r\n"
    with open(sys.argv[1], "w", encoding="utf-8-sig", newline="") as f:
        f.write(text)


if __name__ == "__main__":
    main()
