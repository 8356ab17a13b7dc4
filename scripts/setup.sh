#!/usr/bin/env bash
# setup.sh: installs what building and testing DeskRail needs on Debian or
# Ubuntu (the MinGW-w64 cross compiler, 32-bit Wine, Xvfb, clang's fuzzer
# runtime, GoogleTest sources, hunspell's German dictionary, Wine's bitmap
# fonts) and makes the de_DE.UTF-8 locale the test and run commands use. Does
# nothing when all is there already.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have ninja || need+=(ninja-build)
have g++ || need+=(g++)
have clang++ || need+=(clang)
have python3 || need+=(python3)
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686 mingw-w64-tools)
have i686-w64-mingw32-windres || need+=(binutils-mingw-w64-i686)
have Xvfb || need+=(xvfb)
have xdotool || need+=(xdotool)
have import || need+=(imagemagick)
have hunspell || need+=(hunspell)
[ -f /usr/share/hunspell/de_DE.dic ] || need+=(hunspell-de-de)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-dev)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386)
[ -f /usr/share/wine/fonts/sserife.fon ] || need+=(fonts-wine)
# Wine turns file names into Windows ones through the locale it runs under;
# without de_DE.UTF-8 "Brief an Jürgen.txt" reaches the bar under another name.
have_locale() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }
have_locale || have localedef || need+=(locales)

if [ ${#need[@]} -eq 0 ] && have_locale; then
    exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}" >&2
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    "${sudo_cmd[@]}" apt-get update -qq
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get install -y -qq "${need[@]}" >/dev/null
fi
if ! have_locale; then
    echo "setup: making the locale de_DE.UTF-8" >&2
    # Listed in /etc/locale.gen, so a later locale-gen keeps it.
    if [ -f /etc/locale.gen ]; then
        "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen ||
            echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
        "${sudo_cmd[@]}" locale-gen >/dev/null 2>&1 || true
    fi
    have_locale || "${sudo_cmd[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
    have_locale || { echo "setup: the locale de_DE.UTF-8 could not be made" >&2; exit 1; }
fi
