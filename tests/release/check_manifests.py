#!/usr/bin/env python3
"""The package manifests parse, carry the fields winget and Scoop require, and name the SHA-256 of the files in
dist/; winget's ProductCode is the installer's uninstall key; Scoop's manifest has a licence identifier, its download
under architecture.64bit and finds new versions (checkver, autoupdate) on the download address; SHA256SUMS lists
every file of dist/ with its hash."""
import hashlib
import json
import os
import re

import yaml

from release_files import DIST, ROOT, dist_file, fail, project_version


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
nsis = open(os.path.join(ROOT, "installer", "tessaro.nsi"), encoding="utf-8").read()
key = re.search(r'!define UNINSTALL_KEY "[^"]*\\Uninstall\\([^"\\]+)"', nsis).group(1)
if installer.get("ProductCode") != key:
    problems.append(f"winget installer: ProductCode {installer.get('ProductCode')} is not the uninstall key {key}")
entry = installer["Installers"][0]
if entry.get("InstallerSha256") != sha256(dist_file(f"Tessaro-{version}-setup.exe")).upper():
    problems.append("winget installer: InstallerSha256 is not the installer's")
if not entry.get("InstallerUrl", "").startswith("https://tessaro.example/"):
    problems.append("winget installer: the download address is not under https://tessaro.example/")

scoop = json.load(open(dist_file("manifests/scoop/tessaro.json"), encoding="utf-8"))
problems += [f"scoop: no {field}" for field in ("version", "license", "architecture", "bin", "shortcuts", "checkver",
                                                 "autoupdate") if not scoop.get(field)]
# Scoop takes an SPDX identifier or one of its own words, not a text in the user's language.
if scoop.get("license") not in ("Proprietary", "Freeware"):
    problems.append(f"scoop: license {scoop.get('license')!r} is not an identifier")
download = scoop.get("architecture", {}).get("64bit", {})
if download.get("hash") != sha256(dist_file(f"Tessaro-{version}-win64.zip")):
    problems.append("scoop: the 64-bit hash is not the zip's")
if download.get("url") != f"https://tessaro.example/download/Tessaro-{version}-win64.zip":
    problems.append(f"scoop: the 64-bit download address is {download.get('url')}")
checkver = scoop.get("checkver", {})
if not (checkver.get("url", "").startswith("https://tessaro.example/download/")
        and (re.findall(checkver.get("regex", "$^"), f'<a href="Tessaro-{version}-win64.zip">') == [version])):
    problems.append(f"scoop: checkver {checkver} does not find the version on the download address")
autoupdate = scoop.get("autoupdate", {})
if autoupdate.get("architecture", {}).get("64bit", {}).get("url", "").replace("$version", version) != download.get("url"):
    problems.append("scoop: autoupdate's address is not the download's with $version")
if autoupdate.get("hash", {}).get("url") != "https://tessaro.example/download/SHA256SUMS":
    problems.append("scoop: autoupdate does not take the hash from SHA256SUMS")

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
