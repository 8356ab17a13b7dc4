#!/usr/bin/env bash
# check-imports.sh EXE: the program may import only Windows' own DLLs.
set -euo pipefail
allowed='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|comctl32|winmm|msvcrt|shlwapi)\.dll$'
dlls=$(objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no imports found in $1"; exit 1; }
bad=$(printf '%s\n' "$dlls" | grep -Ev "$allowed" || true)
echo "   imports: $(printf '%s ' $dlls)"
if [ -n "$bad" ]; then
    echo "   not Windows' own: $bad"
    exit 1
fi
