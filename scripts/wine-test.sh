#!/usr/bin/env bash
# wine-test.sh PROGRAM.exe [ARGUMENTS...]: runs one Windows test program under
# the Wine rig (its own prefix, a virtual display, wineserver kept up), for
# working on a single layer: e.g. scripts/wine-test.sh build/win/e2e_tests.exe
# --gtest_filter='Startup.*'. DESKRAIL_WINEPREFIX picks another prefix, so
# two developers can run side by side.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-rig.sh"
trap rig_stop EXIT
unset DISPLAY
rig_start "${DESKRAIL_WINEPREFIX:-$root/build/wineprefix}" || exit 1
# A German system locale, as the program's users have (Wine needs no system locale for it).
env LC_ALL=de_DE.UTF-8 TZ=Asia/Kolkata wine "$@"
