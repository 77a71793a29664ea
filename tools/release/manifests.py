#!/usr/bin/env python3
"""Writes the package manifests of a release from the files in dist/: a winget manifest set (version, installer and
de-DE default locale) and a Scoop manifest, each with the SHA-256 of the file it downloads.

Usage: manifests.py VERSION DIST_DIR
"""
import hashlib
import json
import os
import re
import sys

import yaml

BASE_URL = "https://tessaro.example/download/"  # the project's placeholder domain until it has a real one
IDENTIFIER = "TessaroProject.Tessaro"
WINGET_SCHEMA = "1.6.0"
PUBLISHER = "Tessaro Project"
DESCRIPTION = "Bildschirmlineal: misst alles auf dem Bildschirm in Pixeln, mit Farbwert, Lupe und Fensterangaben."
LICENSE = "Proprietär"  # winget's licence is free text in the manifest's language
SCOOP_LICENSE = "Proprietary"  # Scoop's is an identifier: SPDX or one of its own words
NSIS_SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "installer", "tessaro.nsi")


def uninstall_key_name():
    """The name of the key the installer writes under ...\\Uninstall: winget's ProductCode, by which it finds the
    installed package."""
    script = open(NSIS_SCRIPT, encoding="utf-8").read()
    return re.search(r'!define UNINSTALL_KEY "[^"]*\\Uninstall\\([^"\\]+)"', script).group(1)


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def write_yaml(path, kind, data):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.{WINGET_SCHEMA}.schema.json\n")
        yaml.safe_dump(data, f, allow_unicode=True, sort_keys=False)


def main():
    version, dist = sys.argv[1], sys.argv[2]
    setup = f"Tessaro-{version}-setup.exe"
    archive = f"Tessaro-{version}-win64.zip"
    common = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}

    winget = os.path.join(dist, "manifests", "winget")
    os.makedirs(winget, exist_ok=True)
    write_yaml(os.path.join(winget, f"{IDENTIFIER}.yaml"), "version",
               {**common, "DefaultLocale": "de-DE", "ManifestType": "version", "ManifestVersion": WINGET_SCHEMA})
    write_yaml(os.path.join(winget, f"{IDENTIFIER}.installer.yaml"), "installer", {
        **common,
        "InstallerLocale": "de-DE",
        "MinimumOSVersion": "10.0.0.0",
        "InstallerType": "nullsoft",
        "Scope": "user",
        "InstallModes": ["interactive", "silent"],
        "UpgradeBehavior": "install",
        "ProductCode": uninstall_key_name(),
        "Installers": [{
            "Architecture": "x64",
            "InstallerUrl": BASE_URL + setup,
            "InstallerSha256": sha256(os.path.join(dist, setup)).upper(),
        }],
        "ManifestType": "installer",
        "ManifestVersion": WINGET_SCHEMA,
    })
    write_yaml(os.path.join(winget, f"{IDENTIFIER}.locale.de-DE.yaml"), "defaultLocale", {
        **common,
        "PackageLocale": "de-DE",
        "Publisher": PUBLISHER,
        "PublisherUrl": "https://tessaro.example/",
        "PackageName": "Tessaro",
        "PackageUrl": "https://tessaro.example/",
        "License": LICENSE,
        "ShortDescription": DESCRIPTION,
        "Tags": ["lineal", "pixel", "bildschirm", "messen", "farbwert", "lupe"],
        "ManifestType": "defaultLocale",
        "ManifestVersion": WINGET_SCHEMA,
    })

    scoop = os.path.join(dist, "manifests", "scoop")
    os.makedirs(scoop, exist_ok=True)
    with open(os.path.join(scoop, "tessaro.json"), "w", encoding="utf-8", newline="\n") as f:
        json.dump({
            "version": version,
            "description": DESCRIPTION,
            "homepage": "https://tessaro.example/",
            "license": SCOOP_LICENSE,
            "architecture": {"64bit": {"url": BASE_URL + archive, "hash": sha256(os.path.join(dist, archive))}},
            "bin": "Tessaro.exe",
            "shortcuts": [["Tessaro.exe", "Tessaro"]],
            # A new version is found on the download page and taken with its hash from SHA256SUMS there.
            "checkver": {"url": BASE_URL, "regex": r"Tessaro-([\d.]+)-win64\.zip"},
            "autoupdate": {
                "architecture": {"64bit": {"url": BASE_URL + "Tessaro-$version-win64.zip"}},
                "hash": {"url": BASE_URL + "SHA256SUMS", "regex": r"$sha256\s+$basename"},
            },
        }, f, ensure_ascii=False, indent=4)
        f.write("\n")


if __name__ == "__main__":
    main()
