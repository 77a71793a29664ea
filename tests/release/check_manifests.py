#!/usr/bin/env python3
"""The package manifests parse, carry the fields winget and Scoop require, and name the SHA-256 of the files in
dist/; SHA256SUMS lists every file of dist/ with its hash."""
import hashlib
import json
import os

import yaml

from release_files import DIST, dist_file, fail, project_version


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


version = project_version()
problems = []
winget = "manifests/winget/TessaroProject.Tessaro"
required = {
    "": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"],
    ".installer": ["PackageIdentifier", "PackageVersion", "InstallerType", "Scope", "Installers", "ManifestType",
                   "ManifestVersion"],
    ".locale.de-DE": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName", "License",
                      "ShortDescription", "ManifestType", "ManifestVersion"],
}
kinds = {"": "version", ".installer": "installer", ".locale.de-DE": "defaultLocale"}
for suffix, fields in required.items():
    manifest = yaml.safe_load(open(dist_file(f"{winget}{suffix}.yaml"), encoding="utf-8"))
    problems += [f"winget{suffix}: no {field}" for field in fields if not manifest.get(field)]
    if manifest.get("ManifestType") != kinds[suffix] or manifest.get("ManifestVersion") != "1.6.0":
        problems.append(f"winget{suffix}: type or schema version wrong")
    if manifest.get("PackageIdentifier") != "TessaroProject.Tessaro":
        problems.append(f"winget{suffix}: identifier {manifest.get('PackageIdentifier')}")
installer = yaml.safe_load(open(dist_file(f"{winget}.installer.yaml"), encoding="utf-8"))
if (installer.get("InstallerType"), installer.get("Scope")) != ("nullsoft", "user"):
    problems.append("winget installer: not a nullsoft installer for the user scope")
entry = installer["Installers"][0]
if entry.get("InstallerSha256") != sha256(dist_file(f"Tessaro-{version}-setup.exe")).upper():
    problems.append("winget installer: InstallerSha256 is not the installer's")
if not entry.get("InstallerUrl", "").startswith("https://tessaro.example/"):
    problems.append("winget installer: the download address is not under https://tessaro.example/")

scoop = json.load(open(dist_file("manifests/scoop/tessaro.json"), encoding="utf-8"))
problems += [f"scoop: no {field}" for field in ("version", "url", "hash", "bin", "shortcuts") if not scoop.get(field)]
if "checkver" in scoop or "autoupdate" in scoop:
    problems.append("scoop: checkver or autoupdate present")
if scoop.get("hash") != sha256(dist_file(f"Tessaro-{version}-win64.zip")):
    problems.append("scoop: hash is not the zip's")
if not scoop.get("url", "").startswith("https://tessaro.example/"):
    problems.append("scoop: the download address is not under https://tessaro.example/")

listed = {}
for line in open(dist_file("SHA256SUMS"), encoding="utf-8"):
    digest, name = line.rstrip("\n").split("  ", 1)
    listed[name] = digest
present = {os.path.relpath(os.path.join(folder, name), DIST)
           for folder, _, names in os.walk(DIST) for name in names} - {"SHA256SUMS"}
if set(listed) != present:
    problems.append(f"SHA256SUMS lists {sorted(listed)}, dist/ holds {sorted(present)}")
problems += [f"SHA256SUMS: wrong hash of {name}" for name, digest in listed.items()
             if name in present and sha256(os.path.join(DIST, name)) != digest]

if problems:
    fail("\n  ".join(["the manifests are wrong:"] + problems))
print(f"manifests and SHA256SUMS agree with the {len(present)} files of dist/")
