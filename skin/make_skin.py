#!/usr/bin/env python3
"""Builds a binary skin (".SHE", see skin_format.h) from its text source."""
import re
import struct
import sys

KEYS = [
    "window.background", "window.frame", "window.text",
    "button.face", "button.text", "button.frame", "button.pressed_face",
    "edit.background", "edit.text", "edit.frame",
    "header.face", "header.text", "header.divider",
    "list.background", "list.text",
]
VERSION = 1


def parse(path):
    records = []
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            match = re.fullmatch(r"([a-z_.]+)\s*=\s*#([0-9A-Fa-f]{6})", line)
            if not match or match.group(1) not in KEYS:
                sys.exit(f"{path}:{number}: expected 'name = #RRGGBB' with a known name")
            rgb = int(match.group(2), 16)
            colourref = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16)
            records.append((KEYS.index(match.group(1)) + 1, colourref))
    return records


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_skin.py SOURCE OUTPUT")
    records = parse(sys.argv[1])
    data = b".SHE" + struct.pack("<HH", VERSION, len(records))
    for key, colour in records:
        data += struct.pack("<HHI", key, 0, colour)
    with open(sys.argv[2], "wb") as output:
        output.write(data)


if __name__ == "__main__":
    main()
