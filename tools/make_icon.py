#!/usr/bin/env python3
"""make_icon.py: turns a text picture into a 32x32, 16-colour .ico file.

The picture file holds palette lines "k RRGGBB" (k one character) and then
32 rows of 32 characters; "." is transparent. The output depends only on the
picture, so the icons are rebuilt byte for byte the same on every machine.
"""
import struct
import sys


def read_picture(path):
    palette, rows = {}, []
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if len(line) == 8 and line[1] == " " and not rows:
                palette[line[0]] = tuple(int(line[i:i + 2], 16) for i in (2, 4, 6))
            else:
                rows.append(line)
    if len(rows) != 32 or any(len(r) != 32 for r in rows):
        sys.exit(f"{path}: need 32 rows of 32 characters")
    if len(palette) > 15:
        sys.exit(f"{path}: at most 15 colours")
    return palette, rows


def make_ico(palette, rows):
    keys = sorted(palette)
    index = {k: i + 1 for i, k in enumerate(keys)}  # 0 stays black, for transparent pixels
    colours = [(0, 0, 0)] + [palette[k] for k in keys]
    colours += [(0, 0, 0)] * (16 - len(colours))
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIBs run bottom-up
        nibbles = [index.get(c, 0) for c in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, 32, 2))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == "." else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    image = header + table + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_icon.py picture.txt out.ico")
    palette, rows = read_picture(sys.argv[1])
    with open(sys.argv[2], "wb") as out:
        out.write(make_ico(palette, rows))
