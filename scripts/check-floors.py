#!/usr/bin/env python3
"""check-floors.py: the source folders depend one way, and portable files stay portable.

Each folder under src/ may include itself, the floors below it and the resource
numbers. A file not ending in _win is portable: no Win32 header, no message box,
no std::string or std::vector in the program. Prints one line per breach; exits 1 on any.
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
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    folder = path.relative_to(src).parts[0]
    if folder not in BELOW:
        continue
    text = path.read_text(encoding="utf-8")
    portable = not path.stem.endswith("_win")
    for header in INCLUDE.findall(text):
        where = header.split("/")[0] if "/" in header else None
        # System headers such as sys/stat.h name no floor.
        if where in BELOW and where != folder and where not in BELOW[folder]:
            breaches.append(f"{path.relative_to(src)}: {folder} reaches up to {header}")
        if portable and (header in ("windows.h", "string", "vector") or header.endswith("_win.h")
                         or header == "base/messages.h"):
            breaches.append(f"{path.relative_to(src)}: portable file includes {header}")
    if re.search(r"\bstd::(string|vector)\b", text):
        breaches.append(f"{path.relative_to(src)}: std::string or std::vector in the program")
for line in breaches:
    print("   " + line)
sys.exit(1 if breaches else 0)
