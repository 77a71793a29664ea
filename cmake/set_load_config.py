#!/usr/bin/env python3
"""Points a linked executable's load configuration directory at its _load_config_used structure:
set_load_config.py PROGRAM.exe LINKER.map

GNU ld 2.40 leaves that data directory entry empty whatever the program defines, so the structure's address is taken
from the linker's map and the entry (its address and the Size the structure starts with) written into the PE header,
with the header's checksum made anew. Fails when the map names no such structure, when the structure lies outside
the image's sections, and when the runtime keeps a /GS security cookie (__security_cookie) that the structure would
have to name for the loader to randomise it."""
import re
import struct
import sys

LOAD_CONFIG_ENTRY = 10


def fail(message):
    sys.exit(f"set_load_config: {message}")


def pe_checksum(data, checksum_at):
    """The PE header's checksum: the 16-bit one's complement sum of the file, its checksum field as zero, plus the
    file's length."""
    words = bytearray(data)
    words[checksum_at:checksum_at + 4] = b"\0\0\0\0"
    if len(words) % 2:
        words.append(0)
    total = sum(struct.unpack(f"<{len(words) // 2}H", words))
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def main(exe_path, map_path):
    symbols = {}
    for line in open(map_path, encoding="utf-8", errors="replace"):
        match = re.match(r"^\s+0x([0-9a-fA-F]+)\s+(_load_config_used|__security_cookie)\s*$", line)
        if match:
            symbols[match.group(2)] = int(match.group(1), 16)
    if "__security_cookie" in symbols:
        fail(f"{exe_path} keeps a __security_cookie, which the load configuration does not name")
    if "_load_config_used" not in symbols:
        fail(f"{map_path} names no _load_config_used")

    data = bytearray(open(exe_path, "rb").read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        fail(f"{exe_path} is no PE image")
    sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    if struct.unpack_from("<H", data, optional)[0] != 0x20B:
        fail(f"{exe_path} is no 64-bit image")
    image_base = struct.unpack_from("<Q", data, optional + 24)[0]
    checksum_at = optional + 64
    if struct.unpack_from("<I", data, optional + 108)[0] <= LOAD_CONFIG_ENTRY:
        fail(f"{exe_path} has no load configuration entry among its data directories")

    rva = symbols["_load_config_used"] - image_base
    size = None
    for i in range(sections):
        header = optional + optional_size + 40 * i
        virtual_size, address, raw_size, raw_at = struct.unpack_from("<4I", data, header + 8)
        if address <= rva and rva + 4 <= address + min(virtual_size, raw_size):
            size = struct.unpack_from("<I", data, raw_at + rva - address)[0]
            if rva + size > address + min(virtual_size, raw_size):
                fail(f"the load configuration of {size} bytes at {rva:#x} runs beyond its section")
    if size is None:
        fail(f"_load_config_used at {rva:#x} lies in none of the sections of {exe_path}")

    # The checksum ld wrote must be the one computed here, or the one written below would be wrong.
    old_checksum = struct.unpack_from("<I", data, checksum_at)[0]
    if old_checksum and old_checksum != pe_checksum(data, checksum_at):
        fail(f"the checksum of {exe_path} is not the PE checksum computed here")
    struct.pack_into("<II", data, optional + 112 + 8 * LOAD_CONFIG_ENTRY, rva, size)
    if old_checksum:
        struct.pack_into("<I", data, checksum_at, pe_checksum(data, checksum_at))
    open(exe_path, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        fail("usage: set_load_config.py PROGRAM.exe LINKER.map")
    main(sys.argv[1], sys.argv[2])
