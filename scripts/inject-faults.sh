#!/usr/bin/env bash
# inject-faults.sh [faults-file] [ids...]: puts each fault of the list
# (scripts/faults.txt by default; all of them, or only the ids given) into
# src/ alone, runs the source checks (floors, spelling), rebuilds the native,
# the fuzz and the Windows tree, runs unit_tests, each fuzzer from its seeds for
# FAULT_FUZZ_SECONDS (default 10), win_tests and e2e_tests, notes which layer
# failed and which tests, and puts src/ back exactly. First row: the suite on the unchanged tree.
# Table on stdout and in build/faults-report.txt; logs in build/faults/.
# A layer that runs longer than FAULT_TIMEOUT seconds (default 180; the
# unchanged suite takes well under a minute a layer) counts as a crash.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
faults_file=$(realpath "${1:-scripts/faults.txt}")
shift $(($# > 0 ? 1 : 0))
build="$root/build"
logs="$build/faults"
backup="$build/faults-backup"   # copy of the one changed file, and its path
report="$build/faults-report.txt"
layer_timeout="${FAULT_TIMEOUT:-180}"
fuzz_seconds="${FAULT_FUZZ_SECONDS:-10}"
mkdir -p "$logs"

# fault_tool list FILE [ids] | apply FILE ID: parses the list; apply checks
# that the text occurs once in src/, saves the file to $backup and changes it.
fault_tool() {
    python3 - "$@" <<'EOF'
import os, runpy, shutil, sys

parse = runpy.run_path("scripts/check-faults.py")["parse"]

cmd, path = sys.argv[1], sys.argv[2]
faults = parse(path)
if cmd == "list":
    wanted = sys.argv[3:]
    for f in faults:
        if not wanted or f["id"] in wanted:
            print(f["id"])
    sys.exit(0)
fault = next(f for f in faults if f["id"] == sys.argv[3])
find = fault["find"].encode()
hits = []
for d, _, names in os.walk("src"):
    for n in names:
        p = os.path.join(d, n)
        count = open(p, "rb").read().count(find)
        hits += [p] * count
if len(hits) != 1:
    print(f"not applicable: found {len(hits)} times")
    sys.exit(2)
target, backup = hits[0], sys.argv[4]
os.makedirs(backup, exist_ok=True)
shutil.copyfile(target, os.path.join(backup, "copy"))
open(os.path.join(backup, "path"), "w").write(target)
data = open(target, "rb").read().replace(find, fault.get("replace", "").encode())
open(target, "wb").write(data)
print(f"{target}: {fault.get('what', '')}")
EOF
}

# Puts the saved file back (also after an interrupt or a crash of a former run).
restore() {
    if [ -f "$backup/path" ]; then
        cp "$backup/copy" "$(cat "$backup/path")" && rm -rf "$backup"
    fi
}
restore

# shellcheck source=wine-rig.sh
. scripts/wine-rig.sh
trap 'exit 130' INT TERM
unset DISPLAY

echo "== configure"
nice cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >"$build/native.configure.log" 2>&1 \
    || { echo "native configure failed"; exit 1; }
CC=clang CXX=clang++ nice cmake -S "$root" -B "$build/fuzz" -G Ninja -DDESKRAIL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >"$build/fuzz.configure.log" 2>&1 || { echo "fuzz configure failed"; exit 1; }
nice cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >"$build/win.configure.log" 2>&1 || { echo "windows configure failed"; exit 1; }
# As the test command: each Wine layer in a rig of its own, both kept for the whole run.
rig_start "$build/wineprefix-e2e" || { echo "wine rig failed"; exit 1; }
e2e_rig=(WINEPREFIX="$WINEPREFIX" DISPLAY="$DISPLAY")
e2e_xvfb=$RIG_XVFB_PID
trap 'restore; rig_stop; WINEPREFIX="$build/wineprefix-e2e" wineserver -k >/dev/null 2>&1; kill "$e2e_xvfb" 2>/dev/null' EXIT
rig_start "$build/wineprefix" || { echo "wine rig failed"; exit 1; }

# After a crash or a timeout the programs the tests started may still run in
# the prefix (a bar would answer the next start); end them, keep the server.
rig_reset() {
    for prefix in "$WINEPREFIX" "$build/wineprefix-e2e"; do
        WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
        WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
        WINEPREFIX="$prefix" wineserver -p 2>/dev/null || true
    done
}

# run_layer DIR NAME COMMAND...: sets result (ok, FAIL, crash) and names
# (failing tests, the one running at a crash marked so); hang: timed out.
# A layer whose tests passed but that exits other than 0 fails too.
run_layer() {
    local dir=$1 name=$2
    shift 2
    nice timeout "$layer_timeout" "$@" >"$dir/$name.raw" 2>&1
    local rc=$?
    tr -d '\r' <"$dir/$name.raw" >"$dir/$name.log"
    rm -f "$dir/$name.raw"
    names=$(awk '/^\[  FAILED  \] [^ ]*\./ {print $4}' "$dir/$name.log" | sort -u | tr '\n' ' ')
    if ! grep -q '^\[  PASSED  \]' "$dir/$name.log"; then
        result=crash
        [ $rc = 124 ] && result=hang
        local last
        last=$(awk '/^\[ RUN      \]/ {t=$4} /^\[       OK \]|^\[  FAILED  \]/ {t=""} END {print t}' "$dir/$name.log")
        [ -n "$last" ] && names+="$last($result) "
    elif [ -n "$names" ]; then
        result=FAIL
    elif [ $rc != 0 ] || ! grep -q '^\[==========\] [1-9][0-9]* tests\{0,1\} from .* ran' "$dir/$name.log"; then
        result=FAIL  # a leak report or a crash after the summary, or no test ran
        names+="(exit $rc) "
    else
        result=ok
    fi
}

rows=()
times=()
run_case() {  # run_case ID
    local id=$1 dir="$logs/$1" t0 tb tu tw unit win e2e checks=ok failing=""
    rm -rf "$dir" && mkdir -p "$dir"
    python3 scripts/check-floors.py >"$dir/checks.log" 2>&1 && python3 scripts/check-texts.py >>"$dir/checks.log" 2>&1 \
        || { checks=FAIL; failing+="c: $(tr -s ' \n' ' ' <"$dir/checks.log")"; }
    t0=$SECONDS
    if nice cmake --build "$build/native" --target unit_tests >"$dir/native-build.log" 2>&1; then
        native_built=1
    else
        native_built=0
    fi
    if nice cmake --build "$build/win" --target DeskRail win_tests e2e_tests >"$dir/win-build.log" 2>&1; then
        win_built=1
    else
        win_built=0
    fi
    tb=$((SECONDS - t0)); t0=$SECONDS
    unit=build
    if [ $native_built = 1 ]; then
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_layer "$dir" unit "$build/native/unit_tests"
        unit=$result; [ -n "$names" ] && failing+="u: $names"
    fi
    # The fuzzers, each from a copy of its seeds; a finding stops it with a non-zero status.
    fuzz=build
    if nice cmake --build "$build/fuzz" >"$dir/fuzz-build.log" 2>&1; then
        fuzz=ok
        for target in fuzz/*.cpp; do
            local name corpus
            name=$(basename "$target" .cpp) corpus="$dir/corpus-$(basename "$target" .cpp)"
            mkdir -p "$corpus" && cp -r "fuzz/corpus/$name/." "$corpus/" 2>/dev/null
            if ! nice timeout "$layer_timeout" "$build/fuzz/$name" -max_total_time="$fuzz_seconds" \
                -artifact_prefix="$dir/$name-" "$corpus" >"$dir/$name.log" 2>&1; then
                fuzz=FAIL; failing+="f: $name "
            fi
            rm -rf "$corpus"
        done
    fi
    tu=$((SECONDS - t0)); t0=$SECONDS
    win=build; e2e=build
    if [ $win_built = 1 ]; then
        run_layer "$dir" win env LC_ALL=de_DE.UTF-8 TZ=Asia/Kolkata wine "$build/win/win_tests.exe"
        win=$result; [ -n "$names" ] && failing+="w: $names"
        [ $result = crash ] || [ $result = hang ] && rig_reset
        tw=$((SECONDS - t0)); t0=$SECONDS
        run_layer "$dir" e2e env "${e2e_rig[@]}" LC_ALL=de_DE.UTF-8 TZ=Asia/Kolkata wine "$build/win/e2e_tests.exe"
        e2e=$result; [ -n "$names" ] && failing+="e: $names"
        [ $result = crash ] || [ $result = hang ] && rig_reset
    else
        tw=0
    fi
    local te=$((SECONDS - t0))
    local row
    row=$(printf '%-28s | %-5s | %-5s | %-5s | %-5s | %-5s | %s' "$id" "$checks" "$unit" "$fuzz" "$win" "$e2e" "$failing")
    rows+=("$row")
    times+=("$(printf '%-28s | %5s | %5s | %5s | %5s' "$id" "$tb" "$tu" "$tw" "$te")")
    echo "$row" | cut -c1-200
    echo "   time: build ${tb}s unit and fuzz ${tu}s win ${tw}s e2e ${te}s"
}

mapfile -t ids < <(fault_tool list "$faults_file" "$@")
echo "== unchanged tree"
run_case unchanged
for id in "${ids[@]}"; do
    echo "== $id"
    if ! what=$(fault_tool apply "$faults_file" "$id" "$backup"); then
        echo "   $what"
        rows+=("$(printf '%-28s | %s' "$id" "$what")")
        continue
    fi
    echo "   $what"
    run_case "$id"
    restore
done
# Leave both trees built from the unchanged sources.
nice cmake --build "$build/native" --target unit_tests >/dev/null 2>&1
nice cmake --build "$build/fuzz" >/dev/null 2>&1
nice cmake --build "$build/win" --target DeskRail win_tests e2e_tests >/dev/null 2>&1

{
    echo "Faults from $faults_file on $root ($(git -C "$root" rev-parse --short HEAD 2>/dev/null))"
    echo "ok: layer passed; FAIL: tests failed; crash: no summary; hang: timed out; build: did not build"
    echo "checks: the floor and spelling checks of the sources"
    echo
    printf '%-28s | %-5s | %-5s | %-5s | %-5s | %-5s | %s\n' "fault id" "check" "unit" "fuzz" "win" "e2e" "failing (c/u/f/w/e: layer)"
    printf '%s\n' "${rows[@]}"
    echo
    echo "Seconds per fault:"
    printf '%-28s | %5s | %5s | %5s | %5s\n' "fault id" "build" "unit+f" "win" "e2e"
    printf '%s\n' "${times[@]}"
} >"$report"
echo
cat "$report"
