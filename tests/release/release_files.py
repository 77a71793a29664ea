"""What the release checks share: the project's version, the files of dist/ and a reader of a Windows executable's
version information."""
import os
import re
import struct
import sys

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
DIST = os.path.join(ROOT, "dist")


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def project_version():
    text = open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8").read()
    match = re.search(r"project\(Tessaro VERSION (\d+)\.(\d+)", text)
    return f"{match.group(1)}.{match.group(2)}"


def dist_file(name):
    path = os.path.join(DIST, name)
    if not os.path.isfile(path):
        fail(f"{path} is missing; make the download with: bash scripts/release.sh")
    return path


def version_info(data):
    """The fixed file and product versions ("1.17.0.0") and the strings of an executable's version information."""
    start = data.find(struct.pack("<I", 0xFEEF04BD))
    if start < 0:
        return None
    fields = struct.unpack_from("<IIIIII", data, start)
    info = {
        "fixed FileVersion": f"{fields[2] >> 16}.{fields[2] & 0xFFFF}.{fields[3] >> 16}.{fields[3] & 0xFFFF}",
        "fixed ProductVersion": f"{fields[4] >> 16}.{fields[4] & 0xFFFF}.{fields[5] >> 16}.{fields[5] & 0xFFFF}",
    }
    for key in ("FileVersion", "ProductVersion", "ProductName", "CompanyName"):
        at = data.find((key + "\0").encode("utf-16-le"), start)
        if at < 0:
            continue
        at += len(key) * 2 + 2
        while data[at:at + 2] == b"\0\0":
            at += 2
        end = at
        while data[end:end + 2] != b"\0\0":
            end += 2
        info[key] = data[at:end].decode("utf-16-le")
    return info


if __name__ == "__main__":
    # The shell checks ask for the version this way.
    print(project_version())
