#!/usr/bin/env python3
"""Writes the seed images of the load fuzzer (fuzz/corpus/load): small PE32
images with an export table, imports, base relocations and an entry point."""
import os
import struct
import sys


def image(exports=False, imports=False, relocations=False, dll=True, entry=0):
    data = bytearray(0x600)
    directories = [(0, 0)] * 16
    if exports:
        struct.pack_into("<6I", data, 0x100 + 16, 1, 2, 2, 0x1200, 0x1210, 0x1220)
        struct.pack_into("<2I", data, 0x200, 0x1400, 0x1410)
        struct.pack_into("<2I", data, 0x210, 0x1300, 0x1307)
        struct.pack_into("<2H", data, 0x220, 0, 1)
        data[0x300:0x30E] = b"AttachR\0Other\0"
        directories[0] = (0x1100, 0x200)
    if imports:
        struct.pack_into("<5I", data, 0x080, 0, 0, 0, 0x1050, 0x1060)
        data[0x050:0x05B] = b"user32.dll\0"
        struct.pack_into("<3I", data, 0x060, 0x1070, 0x80000011, 0)
        data[0x070:0x07E] = b"\0\0MessageBoxA\0"
        directories[1] = (0x1080, 40)
    if relocations:
        struct.pack_into("<IIHH", data, 0x500, 0x1000, 12, 0x3010, 0x0000)
        struct.pack_into("<I", data, 0x010, 0x10001234)
        directories[5] = (0x1500, 12)
    if entry:
        data[entry - 0x1000] = 0xC3
    header = bytearray(0x200)
    header[0:2] = b"MZ"
    struct.pack_into("<I", header, 60, 64)
    struct.pack_into("<IHHIIIHH", header, 64, 0x4550, 0x14C, 1, 0, 0, 0, 224, 0x2102 if dll else 0x0102)
    optional = 64 + 24
    struct.pack_into("<H", header, optional, 0x10B)
    struct.pack_into("<I", header, optional + 16, entry)
    struct.pack_into("<III", header, optional + 28, 0x10000000, 0x1000, 0x200)
    struct.pack_into("<II", header, optional + 56, 0x3000, 0x200)
    struct.pack_into("<I", header, optional + 92, 16)
    for i, (rva, size) in enumerate(directories):
        struct.pack_into("<II", header, optional + 96 + 8 * i, rva, size)
    section = 64 + 248
    header[section:section + 8] = b".data\0\0\0"
    struct.pack_into("<IIII", header, section + 8, 0x1000, 0x1000, len(data), 0x200)
    return bytes(header + data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus", "load")
    os.makedirs(out, exist_ok=True)
    seeds = {
        "headers_only": image(),
        "exports": image(exports=True),
        "imports": image(imports=True),
        "relocations": image(relocations=True),
        "everything": image(exports=True, imports=True, relocations=True, entry=0x1040),
        "not_a_dll": image(imports=True, dll=False, entry=0x1040),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name + ".dll"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
