# wine-rig.sh: sourced by the run and test scripts. Gives every run its own
# Wine prefix under the build tree, a display, and a wineserver kept alive.
# rig_start PREFIX; ...; rig_stop (also called from the EXIT trap).

RIG_XVFB_PID=""

rig_free_display() {
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

# rig_fonts: the dialogs' font as Windows has it. Dialogs name "MS Sans
# Serif", which Windows draws from its bitmap font SSERIFE.FON (8 points at
# 96 DPI: 13 pixels high, 5 wide on average). A fresh prefix lists that file
# but has none, and Wine falls back to a TrueType face one pixel lower and
# wider, which wraps dialog texts where Windows does not; Debian's fonts-wine
# holds Wine's copy of the bitmap font.
rig_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    [ -f "$fonts/sserife.fon" ] || cp /usr/share/wine/fonts/sserife.fon "$fonts/"
}

rig_start() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win32
    # A chime or a time read from the wrong clock shows only off the full hour.
    export TZ=Asia/Kolkata
    unset DISPLAY
    local n
    n=$(rig_free_display) || { echo "no free X display" >&2; return 1; }
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    RIG_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; return 1; }
    fi
    rig_fonts
    wineserver -p 2>/dev/null || true  # already running after a fresh wineboot
    # Drive Q: for the end-to-end test of the program in a drive's root.
    mkdir -p "$WINEPREFIX/drive_q"
    [ -e "$WINEPREFIX/dosdevices/q:" ] || ln -s ../drive_q "$WINEPREFIX/dosdevices/q:"
    # No debugger: a crash ends the program at once (winedbg may hang a test run).
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d none /f >/dev/null 2>&1
    # No window manager runs on the virtual display; without this Wine
    # waits two seconds for one whenever a window is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

rig_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$RIG_XVFB_PID" ]; then
        kill "$RIG_XVFB_PID" 2>/dev/null || true
        wait "$RIG_XVFB_PID" 2>/dev/null || true
        RIG_XVFB_PID=""
    fi
}
