#!/usr/bin/env python3
"""check-floors.py: the source folders depend one way, and portable files stay portable.

Each folder under src/ may include itself, the floors below it and the resource
numbers. A file not ending in _win is portable: no Win32 header, no message box,
no std::string or std::vector in the program. Within a folder no two files
include each other, directly or round a circle (a .h and its .cpp count as
one). Prints one line per breach; exits 1 on any.
"""
import pathlib
import re
import sys

BELOW = {
    "base": set(),
    "settings": {"base"},
    "menus": {"base"},
    "status": {"settings", "base"},
    "launcher": {"menus", "base"},
    "editor": {"menus", "base"},
    "shell": {"editor", "launcher", "status", "menus", "settings", "base"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
src = pathlib.Path(__file__).resolve().parent.parent / "src"
breaches = []
uses = {}  # "folder/stem" -> the stems of its folder it includes
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    folder = path.relative_to(src).parts[0]
    if folder not in BELOW:
        continue
    text = path.read_text(encoding="utf-8")
    portable = not path.stem.endswith("_win")
    unit = f"{folder}/{path.stem}"
    for header in INCLUDE.findall(text):
        where = header.split("/")[0] if "/" in header else None
        if where == folder and header.endswith(".h"):
            other = header[: -len(".h")]
            if other != unit:
                uses.setdefault(unit, set()).add(other)
        # System headers such as sys/stat.h name no floor.
        if where in BELOW and where != folder and where not in BELOW[folder]:
            breaches.append(f"{path.relative_to(src)}: {folder} reaches up to {header}")
        if portable and (header in ("windows.h", "string", "vector") or header.endswith("_win.h")
                         or header == "base/messages.h"):
            breaches.append(f"{path.relative_to(src)}: portable file includes {header}")
    if re.search(r"\bstd::(string|vector)\b", text):
        breaches.append(f"{path.relative_to(src)}: std::string or std::vector in the program")


def circle_from(start):
    """The first circle of includes that leads back to start, or None."""
    path, seen = [start], set()
    def walk(unit):
        for other in sorted(uses.get(unit, ())):
            if other == start:
                return path + [start]
            if other not in seen:
                seen.add(other)
                path.append(other)
                found = walk(other)
                if found:
                    return found
                path.pop()
        return None
    return walk(start)


reported = set()
for unit in sorted(uses):
    circle = circle_from(unit)
    if circle and not reported.intersection(circle):
        reported.update(circle)
        breaches.append("include circle: " + " -> ".join(circle))
for line in breaches:
    print("   " + line)
sys.exit(1 if breaches else 0)
