#!/usr/bin/env python3
"""The shipped executables load at start only DLLs that Windows takes from its own folder whatever lies beside the
program (known DLLs; comctl32 version 6 comes through the manifest), and keep ASLR with high-entropy addresses and
DEP. Without arguments: Tessaro.exe of the zip and the installer; otherwise the executables named."""
import os
import re
import subprocess
import sys
import tempfile
import zipfile

from release_files import dist_file, fail, project_version

ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
                "msvcrt.dll", "comdlg32.dll", "comctl32.dll"}
REQUIRED_FLAGS = {"DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"}
# The program, pictures for every display scale included, stays within 1.5 MiB.
MAX_PROGRAM_BYTES = 1536 * 1024


def problems_of(path):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path], capture_output=True, text=True,
                          check=True).stdout
    problems = []
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    if not dlls:
        problems.append("no import table read")
    problems += [f"imports {dll}" for dll in sorted(dlls - ALLOWED_DLLS)]
    match = re.search(r"^DllCharacteristics\s+[0-9a-fA-F]+\n((?:\t{2,}\S+\n)*)", dump, re.MULTILINE)
    flags = set(match.group(1).split()) if match else set()
    problems += [f"lacks {flag}" for flag in sorted(REQUIRED_FLAGS - flags)]
    if os.path.basename(path) == "Tessaro.exe" and os.path.getsize(path) > MAX_PROGRAM_BYTES:
        problems.append(f"is {os.path.getsize(path)} bytes, more than {MAX_PROGRAM_BYTES}")
    return problems


with tempfile.TemporaryDirectory() as temp:
    paths = sys.argv[1:]
    if not paths:
        version = project_version()
        zipfile.ZipFile(dist_file(f"Tessaro-{version}-win64.zip")).extract("Tessaro.exe", temp)
        paths = [os.path.join(temp, "Tessaro.exe"), dist_file(f"Tessaro-{version}-setup.exe")]
    report = [f"{os.path.basename(path)}: {problem}" for path in paths for problem in problems_of(path)]
if report:
    fail("\n  ".join(["the executables are not hardened:"] + report))
print("imports and PE flags as they should be: " + ", ".join(os.path.basename(p) for p in paths))
