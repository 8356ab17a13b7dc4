#!/usr/bin/env bash
# bench.sh: builds and runs the benchmarks and prints their tables: start-up
# against the app-bar floor program and the minimal window program, private
# memory, the menu bar under Wine, profile load and save natively, idle CPU time, and
# the program's footprint. "bench.sh idle" runs only the idle measurement;
# DESKRAIL_IDLE_SECONDS and DESKRAIL_IDLE_RUNS shorten it.
set -euo pipefail
only=${1:-}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version)"

cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ "$only" != idle ]; then
    cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDESKRAIL_SANITIZE=OFF >/dev/null
    cmake --build build/bench --target profile_bench >/dev/null
    cmake --build build/win --target DeskRail startup_bench_win menu_bar_bench_win minimal_window_win appbar_floor_win >/dev/null
    echo "== profile (native)"
    build/bench/profile_bench
else
    cmake --build build/win --target DeskRail >/dev/null
fi

. scripts/wine-rig.sh
trap rig_stop EXIT
unset DISPLAY
rig_start "$root/build/wineprefix-bench"
run() { env LC_ALL=de_DE.UTF-8 wine "$@" 2>/dev/null | tr -d '\r'; }
if [ "$only" != idle ]; then
    echo "== start-up (Wine)"
    run build/win/startup_bench_win.exe 20
    echo "== menu bar (Wine)"
    run build/win/menu_bar_bench_win.exe
fi
echo "== idle (Wine)"
# idle_cpu AUTOHIDE: the CPU time of a bar left alone for DESKRAIL_IDLE_SECONDS
# (60), from 3 s after its start; the pointer rests in the middle of the
# screen, away from it. The time is what the kernel's scheduler counted for
# each of the process's threads (/proc/PID/task/*/schedstat, in ns): the
# utime and stime of /proc/PID/stat come in steps of 10 ms, the size of the
# aim. DESKRAIL_IDLE_RUNS runs (3) for each setting, then their median.
# store_options AUTOHIDE: the options record of user "idle": always on top,
# free memory, time, auto-hide as given (00 or 01).
# Exactly the 160 bytes of the record, or the bar starts with a box.
store_options() {
    local record
    record=$(python3 -c "r = bytearray(160); r[0] = r[12] = r[24] = 1; r[20] = int('$1'); print(r.hex())")
    wine reg add 'HKCU\Software\DeskRail\idle' /v User_Variables /t REG_BINARY /d "$record" /f >/dev/null 2>&1
}
# own_pid PATTERN: the process of this rig's prefix whose command line holds
# PATTERN (other checkouts may run the same program in rigs of their own).
own_pid() {
    local pid
    for pid in $(pgrep -f "$1"); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {print ns + 0}'; }
idle_cpu() {
    local seconds=${DESKRAIL_IDLE_SECONDS:-60} runs=${DESKRAIL_IDLE_RUNS:-3} run pid ns0 ns1 load wpid ms=()
    store_options "$1"
    mkdir -p build/bench-bar && cp build/win/DeskRail.exe build/bench-bar/
    for run in $(seq 1 "$runs"); do
        xdotool mousemove 512 384 2>/dev/null || true
        env LC_ALL=de_DE.UTF-8 wine build/bench-bar/DeskRail.exe idle >/dev/null 2>&1 &
        wpid=$!
        sleep 3
        pid=$(own_pid 'bench-bar.DeskRail.exe idle')
        load=$(cut -d' ' -f1 /proc/loadavg)
        ns0=$(cpu_ns "$pid")
        sleep "$seconds"
        ns1=$(cpu_ns "$pid")
        ms+=("$(awk -v d=$((ns1 - ns0)) 'BEGIN {printf "%.1f", d / 1e6}')")
        echo "    run $run: ${ms[-1]} ms of CPU over $seconds s (load $load)"
        kill "$pid" 2>/dev/null || true
        wait "$wpid" 2>/dev/null || true
    done
    echo "    median: $(printf '%s\n' "${ms[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p") ms ($(nproc) cores, load now $(cut -d' ' -f1-3 /proc/loadavg))"
}
echo "  auto-hide off:"
idle_cpu 00
echo "  auto-hide on, pointer away:"
idle_cpu 01
if [ "$only" = idle ]; then exit 0; fi

echo "== private memory (Wine), 3 s after the start, median of 5"
# private_kb EXE [ARGS]: the anonymous resident memory Linux counts for the
# program's process (Wine answers GetProcessMemoryInfo for no other process).
private_kb() {
    local exe="build/bench-bar/$(basename "$1")" pid kb=()
    cp "$1" "$exe"
    for _ in 1 2 3 4 5; do
        env LC_ALL=de_DE.UTF-8 wine "$exe" "${@:2}" >/dev/null 2>&1 &
        sleep 3
        pid=$(own_pid "bench-bar/$(basename "$1")")
        kb+=("$(awk '/^RssAnon/ {print $2}' "/proc/$pid/status")")
        kill "$pid" 2>/dev/null || true
        wait 2>/dev/null || true
        { wineserver -k; wineserver -w; wineserver -p; } >/dev/null 2>&1 || true  # the killed bar's strip goes with the server
    done
    printf '%s\n' "${kb[@]}" | sort -n | sed -n 3p
}
store_options 00
bar_kb=$(private_kb build/win/DeskRail.exe idle)
floor_kb=$(private_kb build/win/appbar_floor_win.exe)
minimal_kb=$(private_kb build/win/minimal_window_win.exe)
echo "  DeskRail.exe:            ${bar_kb} KB"
echo "  app-bar floor program:   ${floor_kb} KB ($((bar_kb - floor_kb)) KB less than DeskRail)"
echo "  minimal window program:  ${minimal_kb} KB"

echo "== footprint"
cp build/win/DeskRail.exe build/DeskRail-stripped.exe
i686-w64-mingw32-strip build/DeskRail-stripped.exe
echo "  DeskRail.exe stripped: $(stat -c %s build/DeskRail-stripped.exe) bytes"
echo "  imports: $(objdump -p build/DeskRail-stripped.exe | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
