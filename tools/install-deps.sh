#!/usr/bin/env bash
# Installs what building and testing Vorrith needs on Debian 12, as root; quick when
# everything is already there. Usage: tools/install-deps.sh [native|windows|web|xsaver|all]
set -euo pipefail

want="${1:-all}"
native=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
        pkg-config libcairo2-dev libfontconfig-dev libpng-dev fonts-dejavu-core  # the renderer: PNG, labels
        imagemagick  # the resampler's tests hold it against ImageMagick's resize
        libx11-dev libxext-dev libxinerama-dev  # the X11 saver: Xlib, MIT-SHM, monitors
        libxrandr-dev nlohmann-json3-dev xvfb)  # the wallpaper command: monitors, sway's outputs; its test's display
windows=(g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64 wine wine64 xvfb xauth
         xserver-xephyr libxinerama1 nsis)  # nsis: makensis builds the installer
web=(emscripten chromium)
# The X11 saver's tests: virtual displays (two monitors in Xephyr), the settings
# description's checker, and the screensaver daemon it is run by.
xsaver=(xvfb xserver-xephyr libxml2-utils xscreensaver)

packages=("${native[@]}")
case "$want" in
    windows) packages+=("${windows[@]}") ;;
    web) packages+=("${web[@]}") ;;
    xsaver) packages+=("${xsaver[@]}") ;;
    all) packages+=("${windows[@]}" "${web[@]}" "${xsaver[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# 32-bit Wine, and the libraries it loads when it starts, so that nothing depends on
# them: Xinerama, through which it sees several monitors, and RandR, through which it
# changes the display's mode (without it every change of mode fails).
if [ "$want" = windows ] || [ "$want" = all ]; then
    for p in wine32:i386 libxinerama1:i386 libxrandr2:i386; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
fi
# npm may come with a node that is not Debian's (as on machines with a newer node): ask
# for the command, or Debian's npm package would replace that node with its own.
if { [ "$want" = web ] || [ "$want" = all ]; } && ! command -v npm >/dev/null; then
    missing+=(npm)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$want" = windows ] || [ "$want" = all ]; then dpkg --add-architecture i386; fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
