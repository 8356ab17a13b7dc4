#!/usr/bin/env bash
# run-bar.sh [ARGUMENTS...]: installs what is missing, builds DeskRail.exe and
# starts it under Wine. On a desktop it runs on the current display until you
# end it ("DeskRail beenden" in its right-click menu). Without a display it
# runs on a virtual one, uses it as a user would and writes three screenshots:
# build/deskrail-start.png, build/deskrail-shot.png, build/deskrail-menu.png.
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
    rig_fonts
    exec env LC_ALL=de_DE.UTF-8 wine build/bar/DeskRail.exe "$@"
fi

trap rig_stop EXIT
rig_start "$root/build/wineprefix-bar"
env LC_ALL=de_DE.UTF-8 wine build/bar/DeskRail.exe "$@" >/dev/null 2>&1 &

# until SECONDS COMMAND...: retries COMMAND every tenth of a second.
until_ok() {
    local end=$((SECONDS + $1)); shift
    until "$@" 2>/dev/null; do
        [ "$SECONDS" -lt "$end" ] || { echo "run-bar: gave up waiting for: $*" >&2; return 1; }
        sleep 0.1
    done
}
read -r width height < <(xdotool getdisplaygeometry)
windows() { xdotool search --onlyvisible --name '^DeskRail$'; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }  # sets X Y WIDTH HEIGHT
# The bar is the window as wide as the screen; anything else named so is a box.
find_bar() {
    local w
    for w in $(windows); do geometry "$w"; [ "$WIDTH" -eq "$width" ] && { bar=$w; return 0; }; done
    return 1
}
shown() { windows | grep -qx "$1"; }
# settle: answers one box with Enter, as a user would, and waits until it has
# gone; true once the bar is there and no box is left. The key goes to the
# focused box: sent with --window, its release was lost with the box, and the
# X server kept repeating Enter into the bar (closing the menu opened later).
settle() {
    local w
    for w in $(windows); do
        geometry "$w"
        [ "$WIDTH" -eq "$width" ] && continue
        xdotool key Return
        until_ok 5 eval "! shown $w"
        return 1
    done
    find_bar
}
# pointer_brings_bar_in: the pointer on the bar's edge of the screen, left of
# its rightmost tenth, until the bar has slid into view.
pointer_brings_bar_in() {
    geometry "$bar"
    if [ "$Y" -gt $((height / 2)) ]; then
        [ $((Y + HEIGHT)) -eq "$height" ] && return 0
        xdotool mousemove $((width / 2 + RANDOM % 9)) $((height - 1))
    else
        [ "$Y" -eq 0 ] && return 0
        xdotool mousemove $((width / 2 + RANDOM % 9)) 0
    fi
    return 1
}
# menu_open: a window of the program besides the bar and its boxes is mapped.
menu_open() { [ "$(xdotool search --onlyvisible --classname 'deskrail' | wc -l)" -gt "$(windows | wc -l)" ]; }

until_ok 30 windows >/dev/null
import -window root build/deskrail-start.png
# A first start greets with a box.
until_ok 20 settle
until_ok 10 pointer_brings_bar_in
sleep 0.5  # the status text is painted right after the slide
import -window root build/deskrail-shot.png
# Click the first menu title, in the middle of the menu line (below the 3-pixel
# frame, above the bar's extra 10 pixels). The pointer stays on the bar, so an
# auto-hide bar stays in view.
geometry "$bar"
xdotool mousemove 12 $((Y + HEIGHT / 2 - 2)) click 1
until_ok 10 menu_open
sleep 0.3
import -window root build/deskrail-menu.png
echo "screenshots: build/deskrail-start.png (at start), build/deskrail-shot.png (the bar brought into view)," \
    "build/deskrail-menu.png (its first menu open)"
