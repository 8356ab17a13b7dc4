#!/usr/bin/env bash
# check-processor.sh EXE...: the program must run on the 80386, the oldest
# processor Windows 95 and NT 3.51 run on. Fails on any instruction of a later
# processor in the code: 486 (BSWAP CMPXCHG XADD INVD WBINVD INVLPG), Pentium
# (CPUID RDTSC RDMSR WRMSR CMPXCHG8B RSM), Pentium Pro (CMOVcc FCMOVcc FCOMI
# FUCOMI RDPMC UD2 SYSENTER, the long NOP), MMX, SSE and later registers.
set -euo pipefail
status=0
for exe in "$@"; do
    found=$(objdump -d --no-show-raw-insn "$exe" | awk -F'\t' '
        /^[0-9a-f]+ <.*>:$/ { symbol = $0; sub(/^[0-9a-f]+ /, "", symbol); next }
        NF < 2 { next }
        {
            text = $2
            # A prefix (lock, rep, data16) stands before the instruction it changes.
            while (text ~ /^(lock|rep[a-z]*|data16|addr16|[cdefgs]s) /) sub(/^[a-z0-9]+ +/, "", text)
            split(text, word, " ")
            op = word[1]
            if (op ~ /^(bswap|cmpxchg|xadd|invd|wbinvd|invlpg|cpuid|rdtsc|rdtscp|rdmsr|wrmsr|rsm|cmov|fcmov|fcomi|fucomi|rdpmc|ud2|sysenter|sysexit|syscall|nopw|nopl|emms|femms|prefetch|movnt|[slm]fence|clflush|ldmxcsr|stmxcsr|fxsave|fxrstor|xsave|xrstor)/ \
                || text ~ /%[xyz]?mm[0-9]/)
                print "   " symbol " " text
        }')
    if [ -n "$found" ]; then
        echo "   $(basename "$exe"): $(printf '%s\n' "$found" | wc -l) instructions newer than the 80386:"
        printf '%s\n' "$found" | head -n 20
        status=1
    else
        echo "   $(basename "$exe"): 80386 instructions only"
    fi
done
exit $status
