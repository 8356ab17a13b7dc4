#!/usr/bin/env bash
# check-imports.sh EXE: the program must load on Windows 95, NT 3.51 and NT 4.0.
# Every function it imports must be listed in scripts/old-windows-imports.tsv,
# come from a DLL all three carry, and be exported by each of them ("yes", or
# "stub" where the program does not call it on that system; "no" fails). The
# image must also be marked for a subsystem NT 3.51 accepts (3.51 or lower).
set -euo pipefail
exe=$1
list="$(dirname "$0")/old-windows-imports.tsv"
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32)\.DLL$'
dump=$(objdump -p "$exe")

imports=$(printf '%s\n' "$dump" | awk '
    /^\tDLL Name: / { dll = toupper($3); inside = 1; next }
    inside && /^\tvma:/ { next }
    inside && NF == 0 { inside = 0; next }
    inside { print dll "\t" $NF }')
[ -n "$imports" ] || { echo "   no imports found in $exe"; exit 1; }
echo "   imports: $(printf '%s\n' "$imports" | cut -f1 | sort -u | tr '\n' ' ')($(printf '%s\n' "$imports" | wc -l) functions)"

failed=0
problems=$(printf '%s\n' "$imports" | awk -F'\t' -v allowed="$allowed" '
    NR == FNR { if (FNR > 1) { state[$1 "\t" $2] = $3 " " $4 " " $5; listed[$1 "\t" $2] = 1 } next }
    { key = $1 "\t" $2; seen[key] = 1 }
    $1 !~ allowed { print "   DLL not on every old system: " $1 " (" $2 ")"; next }
    !(key in state) { print "   not in the list: " $1 " " $2; next }
    state[key] !~ /^(yes|stub) (yes|stub) (yes|stub)$/ {
        print "   missing on an old system (win95 nt351 nt40 = " state[key] "): " $1 " " $2 }
    END { for (key in listed) if (!(key in seen)) { sub("\t", " ", key); print "note: listed, not imported: " key } }
' "$list" -)
if [ -n "$problems" ]; then
    printf '%s\n' "$problems"
    printf '%s\n' "$problems" | grep -qv '^note:' && failed=1
fi

# NT 3.51 refuses images whose subsystem version is newer than its own.
version=$(printf '%s\n' "$dump" | awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { minor = $2 }
    END { printf "%d.%02d", major, minor }')
echo "   subsystem version: $version"
if awk -v v="$version" 'BEGIN { exit !(v + 0 > 3.51) }'; then
    echo "   subsystem version above 3.51: NT 3.51 will not load it"
    failed=1
fi
exit "$failed"
