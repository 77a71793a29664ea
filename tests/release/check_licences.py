#!/usr/bin/env python3
"""LIZENZEN.txt in the zip has one section for each library linked into Tessaro.exe, in lines of at most 80
characters, with the notice the IJG licence asks for; the manual in the zip shows the same licences (every copyright
line of LIZENZEN.txt is in its text)."""
import os
import subprocess
import sys
import tempfile
import zipfile

from release_files import ROOT, dist_file, fail, project_version

sys.path.insert(0, os.path.join(ROOT, "tools", "release"))
import licences  # noqa: E402  (the titles of the sections)

archive = zipfile.ZipFile(dist_file(f"Tessaro-{project_version()}-win64.zip"))
lines = archive.read("LIZENZEN.txt").decode("utf-8-sig").split("\r\n")
problems = []

titles = [title for title, _, _ in licences.LIBRARIES]
sections = [lines[i + 1] for i in range(len(lines) - 2) if lines[i] == lines[i + 2] == "=" * 80]
if sections != titles:
    problems.append(f"sections {sections}, expected one for each of {titles}")
problems += [f"line {number} has {len(line)} characters" for number, line in enumerate(lines, 1) if len(line) > 80]
if licences.IJG_NOTICE not in lines:
    problems.append("the IJG notice is missing")

with tempfile.TemporaryDirectory() as folder:
    pdf = os.path.join(folder, "Tessaro.pdf")
    with open(pdf, "wb") as f:
        f.write(archive.read("Tessaro.pdf"))
    manual = " ".join(subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], capture_output=True, text=True,
                                     check=True).stdout.split())
for line in lines:
    if "Copyright" in line and " ".join(line.split()) not in manual:
        problems.append(f"the manual lacks the copyright line: {line.strip()}")

if problems:
    fail("\n  ".join(["the licences are wrong:"] + problems))
print(f"LIZENZEN.txt has the {len(titles)} libraries' licences in lines of at most 80 characters; the manual the same")
