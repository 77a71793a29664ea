#!/usr/bin/env python3
"""The version set in CMakeLists.txt is the one of every shipped file: the names in dist/, the program's version
information, About text and manifest, the installer's version information, the read-me and the package manifests."""
import json
import zipfile

import yaml

from release_files import dist_file, fail, project_version, version_info

version = project_version()
archive = zipfile.ZipFile(dist_file(f"Tessaro-{version}-win64.zip"))
exe = archive.read("Tessaro.exe")
setup = open(dist_file(f"Tessaro-{version}-setup.exe"), "rb").read()
problems = []


def expect(what, found, wanted):
    if found != wanted:
        problems.append(f"{what}: {found!r}, expected {wanted!r}")


for name, data in (("Tessaro.exe", exe), ("the installer", setup)):
    info = version_info(data) or {}
    expect(f"{name} fixed file version", info.get("fixed FileVersion"), version + ".0.0")
    expect(f"{name} fixed product version", info.get("fixed ProductVersion"), version + ".0.0")
    expect(f"{name} FileVersion", info.get("FileVersion"), version)
    expect(f"{name} ProductVersion", info.get("ProductVersion"), version)
for text in (f"Version {version}\0", f'name="Tessaro" version="{version}.0.0"'):
    expect(f"Tessaro.exe holds {text!r}", text.encode("ascii") in exe, True)
expect("LIESMICH.txt names the version", f"Tessaro {version} ".encode() in archive.read("LIESMICH.txt"), True)

winget = "manifests/winget/TessaroProject.Tessaro"
for suffix in ("", ".installer", ".locale.de-DE"):
    manifest = yaml.safe_load(open(dist_file(f"{winget}{suffix}.yaml"), encoding="utf-8"))
    expect(f"winget{suffix} PackageVersion", manifest.get("PackageVersion"), version)
installer = yaml.safe_load(open(dist_file(f"{winget}.installer.yaml"), encoding="utf-8"))
expect("winget installer URL", installer["Installers"][0]["InstallerUrl"].rsplit("/", 1)[-1],
       f"Tessaro-{version}-setup.exe")
scoop = json.load(open(dist_file("manifests/scoop/tessaro.json"), encoding="utf-8"))
expect("scoop version", scoop.get("version"), version)
expect("scoop URL", scoop.get("architecture", {}).get("64bit", {}).get("url", "").rsplit("/", 1)[-1],
       f"Tessaro-{version}-win64.zip")

if problems:
    fail("the shipped files disagree with version " + version + ":\n  " + "\n  ".join(problems))
print(f"every shipped file says version {version}")
