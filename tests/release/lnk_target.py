#!/usr/bin/env python3
"""Prints the target path of a Windows shortcut (.lnk): the local base path of its link information."""
import struct
import sys

data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
at = 0x4C
if flags & 0x1:  # HasLinkTargetIDList
    at += 2 + struct.unpack_from("<H", data, at)[0]
if not flags & 0x2:  # HasLinkInfo
    sys.exit("the shortcut has no link information")
header_size = struct.unpack_from("<I", data, at + 4)[0]
base_offset = struct.unpack_from("<I", data, at + 16)[0]
if header_size >= 0x24 and struct.unpack_from("<I", data, at + 0x1C)[0]:
    start = at + struct.unpack_from("<I", data, at + 0x1C)[0]
    end = start
    while data[end:end + 2] != b"\0\0":
        end += 2
    print(data[start:end].decode("utf-16-le"))
else:
    start = at + base_offset
    print(data[start:data.index(b"\0", start)].decode("cp1252"))
