#!/usr/bin/env python3
"""check-faults.py: every fault of scripts/faults.txt still applies, its text
found exactly once in src/; a fault whose code moved is silently no fault.
scripts/inject-faults.sh reads the list with parse()."""
import os
import sys


def parse(path):
    """The faults of a list, each a dict of its keys; \\n in find and replace a line break."""
    faults, cur = [], {}
    for line in open(path, encoding="utf-8").read().split("\n") + [""]:
        if line.startswith("#"):
            continue
        if not line.strip():
            if cur:
                faults.append(cur)
            cur = {}
            continue
        key, _, value = line.partition(":")
        value = value[1:] if value.startswith(" ") else value
        if key in ("find", "replace"):
            value = value.replace("\\\\", "\0").replace("\\n", "\n").replace("\0", "\\")
        cur[key] = value
    return faults


if __name__ == "__main__":
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    faults = parse(os.path.join(root, "scripts/faults.txt"))
    sources = []
    for folder, _, names in os.walk(os.path.join(root, "src")):
        sources += [open(os.path.join(folder, n), "rb").read() for n in names]
    stale = [f["id"] for f in faults if sum(s.count(f["find"].encode()) for s in sources) != 1]
    for fault in stale:
        print(f"fault {fault}: its text is not found exactly once in src/")
    print(f"{len(faults)} faults, {len(stale)} stale")
    sys.exit(1 if stale else 0)
