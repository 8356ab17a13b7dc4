#!/usr/bin/env bash
# release.sh: builds DeskRail.exe and deskrail-profile.exe in release form and
# packs them with the user guide into build/win/DeskRail-1.00-win32.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target DeskRail deskrail-profile deskrail_guide
(cd build/win && cpack -G ZIP >/dev/null)
ls -l build/win/DeskRail-*.zip
