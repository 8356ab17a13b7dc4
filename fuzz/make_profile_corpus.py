#!/usr/bin/env python3
"""Writes the seed corpus of profile_fuzz into fuzz/corpus/profile_fuzz, or into
the folder given; the unit tests read each field back against what is written here."""
import os
import struct
import sys

HERE = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "corpus", "profile_fuzz")


def text(value, width):
    return value.encode("cp1252").ljust(width, b"\0")[:width]


def menu(name, count):
    return text(name, 30) + b"\0\0" + struct.pack("<i", count) + bytes(12)


def entry(name, path, show=5, separator=0, directory="", parameters=""):
    return (text(path, 128) + text(directory, 128) + text(parameters, 90) + text(name, 30)
            + struct.pack("<ii", show, separator) + bytes(8))


HEADER = struct.pack("<i", 103)
SEEDS = {
    "empty": b"",
    "header_only": HEADER,
    "short_header": HEADER[:3],
    "old_format": struct.pack("<i", 102) + menu("&Apps", 0),
    "one_menu": HEADER + menu("&Apps", 0),
    "default_menus": HEADER + menu("&Apps", 2)
    + entry("Visual &C++ v4.0", "c:\\vc40\\bin\\msdev.exe") + entry("&Word v7.0", "c:\\winword\\winword.exe")
    + menu("&Games", 2) + entry("&Minesweeper", "C:\\WINDOWS\\winmine.exe")
    + entry("&Solitaire", "C:\\WINDOWS\\sol.exe"),
    "edited": HEADER + menu("&Tools", 2) + entry("&Edit", "c:\\dos\\edit.com", 9, 0, "c:\\dos", "/s")
    + entry("&Max", "max.exe", 3, 1) + menu("&Leer", 0) + menu("&Neg", -1),
    # Every field with bytes after its NUL, and every field filled to its width without one.
    "fields": HEADER + menu("&Felder", 2)
    + entry("&Name\0N", "c:\\bin\\x.exe\0P", 0x12345678, 1, "c:\\w\0D", "-p \xe4\0Q")
    + entry("n" * 30, "p" * 128, -3, 0, "d" * 128, "q" * 90) + menu("M" * 30, 0),
    "cut_menu": HEADER + menu("&Apps", 0) + menu("&Games", 0)[:20],
    "cut_entry": HEADER + menu("&Apps", 2) + entry("&a", "a.exe") + entry("&b", "b.exe")[:100],
    "noisy_texts": HEADER + b"N" * 30 + b"\xff\xff" + struct.pack("<i", 1) + b"\xff" * 12
    + b"p\0garbage".ljust(128, b"x") + b"d" * 128 + b"\0" * 90 + b"n" * 30 + struct.pack("<ii", 6, -1) + b"\xff" * 8,
}

os.makedirs(HERE, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)
