#!/usr/bin/env bash
# run-bar.sh [ARGUMENTS...]: installs what is missing, builds DeskRail.exe and
# starts it under Wine. On a desktop it runs on the current display until you
# end it ("DeskRail beenden" in its right-click menu). Without a display it
# runs on a virtual one for a few seconds and writes build/deskrail-shot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target DeskRail
mkdir -p build/bar && cp build/win/DeskRail.exe build/bar/

. scripts/wine-rig.sh
if [ -n "${DISPLAY:-}" ]; then
    # The user's own display: a prefix of its own, kept between runs.
    export WINEPREFIX="$root/build/wineprefix-bar" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
    exec env LC_ALL=de_DE.UTF-8 wine build/bar/DeskRail.exe "$@"
fi

trap rig_stop EXIT
rig_start "$root/build/wineprefix-bar"
env LC_ALL=de_DE.UTF-8 wine build/bar/DeskRail.exe "$@" >/dev/null 2>&1 &
sleep "${DESKRAIL_SHOT_DELAY:-4}"
import -window root build/deskrail-start.png
# Answer the boxes of a first start (the welcome) as a user would, then look at the bar.
for window in $(xdotool search --name '^DeskRail$' 2>/dev/null); do
    xdotool mousemove --window "$window" 10 10 key --window "$window" Return 2>/dev/null || true
done
sleep 2
import -window root build/deskrail-shot.png
echo "screenshots: build/deskrail-start.png (at start), build/deskrail-shot.png (after pressing Enter on any box)"
