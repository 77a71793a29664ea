#!/usr/bin/env python3
"""The shipped executables load at start only DLLs that Windows takes from its own folder whatever lies beside the
program (known DLLs; comctl32 version 6 comes through the manifest), and keep ASLR with high-entropy addresses and
DEP; Tessaro.exe's load configuration has the loader take every DLL it loads at start, and those DLLs' own, from the
system folder only (DependentLoadFlags LOAD_LIBRARY_SEARCH_SYSTEM32). Without arguments: Tessaro.exe of the zip and
the installer; otherwise the executables named."""
import os
import re
import struct
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
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800
# Where IMAGE_LOAD_CONFIG_DIRECTORY64 keeps DependentLoadFlags.
DEPENDENT_LOAD_FLAGS_AT = 0x4E


def load_config_problem(path, dump):
    """What keeps an executable's load configuration, found through the data directory and the section table as
    objdump reads them, from restricting its load-time DLLs to the system folder; None when nothing does."""
    entry = re.search(r"^Entry a ([0-9a-fA-F]+) ([0-9a-fA-F]+) Load Configuration Directory", dump, re.MULTILINE)
    rva, size = (int(entry.group(1), 16), int(entry.group(2), 16)) if entry else (0, 0)
    if rva == 0:
        return "has no load configuration"
    if size < DEPENDENT_LOAD_FLAGS_AT + 2:
        return f"has a load configuration of {size} bytes, too short for DependentLoadFlags"
    address = int(re.search(r"^ImageBase\s+([0-9a-fA-F]+)", dump, re.MULTILINE).group(1), 16) + rva
    headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", path], capture_output=True, text=True,
                             check=True).stdout
    for section in re.finditer(r"^\s*\d+\s+\S+\s+([0-9a-f]+)\s+([0-9a-f]+)\s+[0-9a-f]+\s+([0-9a-f]+)", headers,
                               re.MULTILINE):
        length, start, offset = (int(value, 16) for value in section.groups())
        if start <= address and address + size <= start + length:
            with open(path, "rb") as image:
                image.seek(offset + address - start)
                data = image.read(size)
            if struct.unpack_from("<I", data)[0] != size:
                return "has a load configuration whose Size is not the size its directory entry gives"
            flags = struct.unpack_from("<H", data, DEPENDENT_LOAD_FLAGS_AT)[0]
            if flags != LOAD_LIBRARY_SEARCH_SYSTEM32:
                return (f"loads its DLLs with DependentLoadFlags {flags:#x}, not {LOAD_LIBRARY_SEARCH_SYSTEM32:#x} "
                        "(the system folder only)")
            return None
    return f"has a load configuration at {rva:#x} outside its sections"


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
    if os.path.basename(path) == "Tessaro.exe":
        if os.path.getsize(path) > MAX_PROGRAM_BYTES:
            problems.append(f"is {os.path.getsize(path)} bytes, more than {MAX_PROGRAM_BYTES}")
        problem = load_config_problem(path, dump)
        if problem:
            problems.append(problem)
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
