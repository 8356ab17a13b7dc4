#!/usr/bin/env bash
# test.sh: installs what is missing, builds every tree and runs every test
# layer: the floor check of the sources, the spelling of the German texts,
# native unit tests (ASan/UBSan), fuzzers, Windows tests in-process under
# Wine, end-to-end tests of the real DeskRail.exe under Wine, and the import
# check. Ends with one line "N passed, N failed, N skipped".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build="$root/build"
fuzz_seconds="${DESKRAIL_FUZZ_SECONDS:-10}"

bash scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed, 0 skipped"; exit 1; }

passed=0
failed=0
skipped=0
failures=()
count() {  # count NAME OK
    if [ "$2" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); failures+=("$1"); fi
}

configure_and_build() {  # NAME DIR cmake-args...
    local name=$1 dir=$2
    shift 2
    echo "== build $name"
    if cmake -S "$root" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 \
        && cmake --build "$dir" >"$dir.build.log" 2>&1; then
        return 0
    fi
    tail -n 40 "$dir.configure.log" "$dir.build.log" 2>/dev/null
    count "build $name" 1
    return 1
}

# run_gtest NAME COMMAND...: adds the program's own counts. The program fails
# as a whole when it exits other than 0 (a leak report after the summary, a
# crash at exit), ran no test, or printed no summary.
run_gtest() {
    local name=$1
    shift
    echo "== $name"
    local log="$build/$name.log"
    # To a file, not a pipe: Wine's services inherit the output and outlive the test.
    timeout 480 "$@" >"$log.raw" 2>&1
    local rc=$?
    tr -d '\r' <"$log.raw" >"$log"
    grep -E '^\[  (FAILED|PASSED|SKIPPED) |: Failure$|ERROR: ' "$log" || true
    local ran p f s
    ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p' "$log" | tail -1)
    p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    s=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    passed=$((passed + ${p:-0}))
    skipped=$((skipped + ${s:-0}))
    if [ -n "$f" ] && [ "$f" -gt 0 ]; then
        failed=$((failed + f))
        failures+=("$name: $f")
    fi
    local broken=""
    if [ -z "$ran" ] || [ -z "$p" ]; then
        broken="no summary (crash or hang)"
    elif [ "$ran" -eq 0 ]; then
        broken="ran no test"
    elif [ "$rc" -ne 0 ] && [ -z "$f" ]; then
        broken="exit status $rc after its tests passed (leak or crash at exit)"
    fi
    if [ -n "$broken" ]; then
        echo "$name: $broken; see $log"
        failed=$((failed + 1))
        failures+=("$name: $broken")
    fi
}

mkdir -p "$build"
# Nothing of the caller's desktop reaches the tests.
unset DISPLAY

echo "== floor check"
if python3 scripts/check-floors.py; then count "floor check" 0; else count "floor check" 1; fi
echo "== spelling of the texts"
if python3 scripts/check-texts.py; then count "spelling" 0; else count "spelling" 1; fi
echo "== fault list"
if python3 scripts/check-faults.py; then count "fault list" 0; else count "fault list" 1; fi

# Native: portable core under the sanitizers.
if configure_and_build native "$build/native" -DCMAKE_BUILD_TYPE=Debug; then
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_gtest unit_tests "$build/native/unit_tests"
fi

# Fuzzers: each runs a bounded time from its seed corpus (copied, so the
# repository's corpus stays as committed).
if CC=clang CXX=clang++ configure_and_build fuzz "$build/fuzz" -DDESKRAIL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
    for target in fuzz/*.cpp; do
        [ -e "$target" ] || continue
        name=$(basename "$target" .cpp)
        corpus="$build/fuzz/corpus-$name"
        rm -rf "$corpus" && mkdir -p "$corpus"
        [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
        echo "== fuzz $name (${fuzz_seconds}s)"
        if "$build/fuzz/$name" -max_total_time="$fuzz_seconds" -print_final_stats=1 -artifact_prefix="$build/fuzz/$name-" \
            "$corpus" >"$build/fuzz/$name.log" 2>&1; then
            grep -E 'stat::number_of_executed_units' "$build/fuzz/$name.log" | sed "s/^/   /"
            count "fuzz $name" 0
        else
            tail -n 30 "$build/fuzz/$name.log"
            count "fuzz $name" 1
        fi
    done
fi

# Windows: the program and its Wine tests.
if configure_and_build windows "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release; then
    echo "== import check"
    if bash scripts/check-imports.sh "$build/win/DeskRail.exe"; then count "import check" 0; else count "import check" 1; fi
    echo "== processor check"; if bash scripts/check-processor.sh "$build/win/DeskRail.exe"; then count "processor check" 0; else count "processor check" 1; fi

    # shellcheck source=wine-rig.sh
    . scripts/wine-rig.sh
    trap rig_stop EXIT
    # A half-hour time zone for both, so a chime or a time on the wrong clock shows. Each layer has a
    # rig of its own: what the in-process tests leave on Wine's desktop cannot reach the real program.
    if rig_start "$build/wineprefix"; then
        run_gtest win_tests env LC_ALL=de_DE.UTF-8 TZ=Asia/Kolkata wine "$build/win/win_tests.exe"
    else
        count "wine rig" 1
    fi
    rig_stop
    if rig_start "$build/wineprefix-e2e"; then
        run_gtest e2e_tests env LC_ALL=de_DE.UTF-8 TZ=Asia/Kolkata wine "$build/win/e2e_tests.exe"
    else
        count "wine rig" 1
    fi
    rig_stop
fi

if [ ${#failures[@]} -gt 0 ]; then
    echo "failed: ${failures[*]}"
fi
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
