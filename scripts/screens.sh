#!/usr/bin/env bash
# screens.sh: builds DeskRail.exe and takes the README's pictures under the
# Wine rig (a virtual 1024 x 768 screen, the dialogs' bitmap font as Windows
# has it, a German locale) into docs/images, as a user would get there: a
# first start as "Anna" with the date and the user name on and auto-hide off,
# its first menu opened by the hot key, the menu editor and the Options
# dialog; the bar and its menu at the bottom edge; the bar and the Options
# dialog at 144 DPI. The dialogs of new entries go to build/screens for a look.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target DeskRail
shots="$root/build/screens" images="$root/docs/images"
rm -rf "$shots" && mkdir -p "$shots" && cp build/win/DeskRail.exe "$shots/"

. scripts/wine-rig.sh
trap rig_stop EXIT
unset DISPLAY
rm -rf "$root/build/wineprefix-screens"
rig_start "$root/build/wineprefix-screens"

until_ok() {
    local end=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || { echo "screens: gave up waiting for: $*" >&2; return 1; }
        sleep 0.1
    done
}
named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
present() { [ -n "$(named "$1")" ]; }
gone() { ! present "$1"; }
start() { env LC_ALL=de_DE.UTF-8 wine "$shots/DeskRail.exe" "$@" >/dev/null 2>&1 & }
# bar_y: the bar's top; the bar is the window as wide as the screen.
bar_y() {
    local w
    for w in $(xdotool search --onlyvisible --name '^DeskRail$'); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$WIDTH" -eq 1024 ] && { echo "$Y"; return 0; }
    done
    return 1
}
settled() { y=$(bar_y) && [ "$y" -eq "$1" ]; }
shot() { sleep 0.5; import -window root -crop "$1" +repage "$2"; }
popup() { xdotool mousemove 600 $(($(bar_y) + 12)) click 3; sleep 0.5; xdotool key "$1"; }
dialog() { until_ok 10 present "$1"; sleep 0.5; import -window "$(named "$1")" "$2"; }

# A first start greets with a box; the switches keep the bar in view.
start Anna -a +d +u
until_ok 30 present DeskRail
sleep 1
xdotool key Return
until_ok 10 settled 0
shot 1024x48+0+0 "$images/bar-top.png"
xdotool key ctrl+alt+z
sleep 0.5
xdotool key Down
shot 1024x80+0+0 "$images/menu-open.png"
xdotool key Escape Escape
popup m
dialog "Benutzerdefinierte Menüs" "$images/custom-menus.png"
xdotool key alt+m
dialog "Menü eintragen" "$shots/menu-name.png"
xdotool key Escape
until_ok 10 gone "Menü eintragen"
# The first menu chosen in the list, for a new entry.
xdotool mousemove --window "$(named "Benutzerdefinierte Menüs")" 30 55 click 1
sleep 0.3
xdotool key alt+p
dialog "Programm eintragen" "$shots/program-entry.png"
xdotool key Escape
until_ok 10 gone "Programm eintragen"
xdotool key Return
until_ok 10 gone "Benutzerdefinierte Menüs"
popup o
dialog Optionen "$images/options.png"
xdotool key Return
until_ok 10 gone Optionen
popup b
until_ok 10 gone DeskRail

start Anna +b
until_ok 30 settled 739
shot 1024x48+0+720 "$images/bar-bottom.png"
xdotool key ctrl+alt+z
sleep 0.5
xdotool key Down
shot 1024x90+0+678 "$images/menu-open-bottom.png"
xdotool key Escape Escape
popup b
until_ok 10 gone DeskRail

wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
start Anna -b
until_ok 30 settled 0
shot 1024x48+0+0 "$images/bar-144dpi.png"
popup o
dialog Optionen "$images/options-144dpi.png"
xdotool key Return
popup b
until_ok 10 gone DeskRail
echo "screens: docs/images/*.png; build/screens/menu-name.png and program-entry.png"
