#!/usr/bin/env bash
# bench.sh: builds and runs the benchmarks and prints their tables: start-up
# against the app-bar floor program and the minimal window program, private
# memory, the menu bar under Wine, profile load and save natively, idle CPU time, and
# the program's footprint. DESKRAIL_IDLE_SECONDS shortens the idle runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version)"

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDESKRAIL_SANITIZE=OFF >/dev/null
cmake --build build/bench --target profile_bench >/dev/null
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target DeskRail startup_bench_win menu_bar_bench_win minimal_window_win appbar_floor_win >/dev/null

echo "== profile (native)"
build/bench/profile_bench

. scripts/wine-rig.sh
trap rig_stop EXIT
unset DISPLAY
rig_start "$root/build/wineprefix-bench"
run() { env LC_ALL=de_DE.UTF-8 wine "$@" 2>/dev/null | tr -d '\r'; }
echo "== start-up (Wine)"
run build/win/startup_bench_win.exe 20
echo "== menu bar (Wine)"
run build/win/menu_bar_bench_win.exe
echo "== idle (Wine)"
# idle_cpu AUTOHIDE: CPU time (utime + stime, as Linux counts it) of a bar
# left alone; the pointer rests in the middle of the screen, away from it.
# store_options AUTOHIDE: the options record of user "idle": always on top,
# free memory, time, auto-hide as given (00 or 01).
# Exactly the 160 bytes of the record, or the bar starts with a box.
store_options() {
    local record
    record=$(python3 -c "r = bytearray(160); r[0] = r[12] = r[24] = 1; r[20] = int('$1'); print(r.hex())")
    wine reg add 'HKCU\Software\DeskRail\idle' /v User_Variables /t REG_BINARY /d "$record" /f >/dev/null 2>&1
}
idle_cpu() {
    local seconds=${DESKRAIL_IDLE_SECONDS:-60}
    store_options "$1"
    xdotool mousemove 512 384 2>/dev/null || true
    mkdir -p build/bench-bar && cp build/win/DeskRail.exe build/bench-bar/
    env LC_ALL=de_DE.UTF-8 wine build/bench-bar/DeskRail.exe idle >/dev/null 2>&1 &
    sleep 3
    local pid ticks0 ticks1
    pid=$(pgrep -f 'DeskRail.exe idle' | head -1)
    ticks0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$seconds"
    ticks1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    local hz
    hz=$(getconf CLK_TCK)
    echo "$(( (ticks1 - ticks0) * 1000 / hz )) ms of CPU over $seconds s (start-up before it: $(( ticks0 * 1000 / hz )) ms)"
    kill "$pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
echo "  auto-hide off:                $(idle_cpu 00)"
echo "  auto-hide on, pointer away:   $(idle_cpu 01)"

echo "== private memory (Wine), 3 s after the start, median of 5"
# private_kb EXE [ARGS]: the anonymous resident memory Linux counts for the
# program's process (Wine answers GetProcessMemoryInfo for no other process).
private_kb() {
    local exe="build/bench-bar/$(basename "$1")" pid kb=()
    cp "$1" "$exe"
    for _ in 1 2 3 4 5; do
        env LC_ALL=de_DE.UTF-8 wine "$exe" "${@:2}" >/dev/null 2>&1 &
        sleep 3
        pid=$(pgrep -f "bench-bar/$(basename "$1")" | head -1)
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
