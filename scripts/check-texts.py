#!/usr/bin/env python3
"""check-texts.py: every German word the user sees is spelled right.

Takes the string literals of src/base/texts.h and the resource scripts, drops
keyboard markers (&), escapes and format fields, and asks hunspell's German
dictionary about each word; scripts/words.txt holds the names and the old
spellings (daß, muß) the texts use on purpose. An ellipsis stands apart from
the word before it, as in every menu and button of the program. Prints each
unknown word or stray ellipsis with where it stands; exits 1 on any.
"""
import pathlib
import re
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent.parent
sources = [root / "src/base/texts.h", *sorted((root / "src/resources").glob("*.rc"))]
known = set((root / "scripts/words.txt").read_text(encoding="utf-8").split())
LITERAL = re.compile(r'"((?:[^"\\]|\\.|"")*)"')
words = {}
stray = []
for path in sources:
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if line.lstrip().startswith(("#include", "//", "#pragma")):
            continue
        for literal in LITERAL.findall(line):
            if re.search(r"[^ ]\.\.\.", literal):
                stray.append(f"{path.relative_to(root)}:{number}: an ellipsis without its space")
            text = re.sub(r"\\[nt0]|\\x[0-9A-Fa-f]{2}|%l?[sdu%]|&", " ", literal.replace('""', ""))
            for word in re.findall(r"[A-Za-zÄÖÜäöüß]+(?:-[A-Za-zÄÖÜäöüß]+)*", text):
                if word not in known:
                    words.setdefault(word, f"{path.relative_to(root)}:{number}")
unknown = subprocess.run(["hunspell", "-d", "de_DE", "-l", "-i", "utf-8"], input="\n".join(words),
                         capture_output=True, text=True, check=True).stdout.split()
for line in stray + [f"{words.get(word, '?')}: {word}" for word in unknown]:
    print(f"   {line}")
sys.exit(1 if unknown or stray else 0)
