#!/usr/bin/env python3
"""to_cp1252.py IN OUT: a UTF-8 text as the Windows ANSI code page with CR LF line ends."""
import sys

with open(sys.argv[1], encoding="utf-8") as source:
    text = source.read()
with open(sys.argv[2], "wb") as target:
    target.write(text.replace("\n", "\r\n").encode("cp1252"))
