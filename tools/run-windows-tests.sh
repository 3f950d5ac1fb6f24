#!/usr/bin/env bash
# The Windows tests under Wine on a virtual display: builds both targets, then runs the
# Windows unit tests and the end-to-end tests of one build through CTest, and the tests
# of its installer (tools/test-installer.sh). The i686 build (the one that ships) is
# tested when this machine runs the 32-bit Wine loader; otherwise the x86_64 build under
# wine64, and the run says so. Arguments go to ctest (e.g. -R NAME to run some tests
# only), and then the installer's tests are left out.
# A fresh Wine prefix is made inside the build folder once per run, without the Gecko
# and Mono installers and with the crash dialog off, so a crash fails fast; the
# scenarios labelled wine-two-monitors, wine-150-percent and wine-mode-switch run in
# copies of it with their own settings, on displays of their own.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

"$here/tools/build-windows.sh"

# VORRITH_WINE_ARCH=x86_64 forces the fallback, to try it on a machine that has both.
. "$here/tools/lib/wine-loader.sh"
if [ "${VORRITH_WINE_ARCH:-}" != x86_64 ] && wine32_runs; then
    arch=i686 winearch=win32
else
    arch=x86_64 winearch=win64
fi
dir="$here/build/win-$arch"
[ "$arch" = i686 ] || use_wine64_loader "$dir/wine64-launchers"
echo "== Windows tests under Wine: the $arch build ($winearch prefix)"

export WINEPREFIX="$dir/wine-prefix" WINEARCH="$winearch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

. "$here/tools/lib/x-server.sh"
main_screen=1024x768  # the wallpaper reference below is made at this size
start_x_server 90 130 Xvfb -screen 0 "${main_screen}x24" -nolisten tcp
servers=("$x_pid")
export DISPLAY="$x_display"
# The scenarios labelled wine-two-monitors see two monitors side by side, 800 x 600 at
# 0,0 and 1024 x 768 right of it: Xephyr with two screens joined by Xinerama, inside a
# wide Xvfb on which the wine-150-percent scenarios run.
start_x_server 90 130 Xvfb -screen 0 2000x800x24 -nolisten tcp
servers+=("$x_pid")
wide_display="$x_display"
start_x_server 90 130 Xvfb -screen 0 1366x768x24 -nolisten tcp
servers+=("$x_pid")
small_display="$x_display"
DISPLAY="$wide_display" start_x_server 90 130 Xephyr -screen 800x600 -screen 1024x768 +xinerama -nolisten tcp
servers+=("$x_pid")
two_monitor_display="$x_display"
# The scenario labelled wine-mode-switch needs a screen whose mode Wine can change: Xephyr
# offers 640 x 480 and 800 x 600 among its RandR modes, where Xvfb has one mode and keeps
# an added one only while the client that added it stays connected.
DISPLAY="$small_display" start_x_server 90 130 Xephyr -screen 1024x768 -nolisten tcp
servers+=("$x_pid")
mode_switch_display="$x_display"
prefixes=("$WINEPREFIX")
stop_all() {
    for prefix in "${prefixes[@]}"; do WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; done
    for ((i = ${#servers[@]} - 1; i >= 0; i--)); do kill "${servers[i]}" 2>/dev/null || true; done
}
trap stop_all EXIT

start=$(date +%s)
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
# Copies of the fresh prefix for the scenarios that need other settings, made before any
# test runs: Wine reads Xinerama's monitors only without XRandR, and takes its DPI from
# LogPixels. Each change is read when the copy's Wine server next starts.
prefix_with() {  # name, then the arguments of "wine reg add" (none: a plain copy)
    local copy="$dir/wine-prefix-$1"
    shift
    rm -rf "$copy"
    cp -a "$WINEPREFIX" "$copy"
    prefixes+=("$copy")
    [ $# -eq 0 ] || WINEPREFIX="$copy" wine reg add "$@" /f >/dev/null 2>&1
    WINEPREFIX="$copy" wineserver -w
}
prefix_with two-monitors 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N
prefix_with 150-percent 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144
prefix_with mode-switch  # plain, but its own: a Wine server takes the display it starts on
prefix_with installer  # as fresh as made, for the installer's scenarios to copy
echo "Wine prefixes ready in $(( $(date +%s) - start )) s"

# The configuration-dialog tests compare what the dialog shows and saves with the native
# renderer's file of the same picture, put beside Vorrith.scr, and the desktop
# background it makes with the renderer's file at the first display's size.
native="$here/build/native"
"$here/tools/configure.sh" native
cmake --build "$native" -j2 --target vorrith-render
"$native/vorrith-render" -o "$dir/win32/reference-12345.bmp" 12345 >/dev/null
"$native/vorrith-render" -o "$dir/win32/wallpaper-reference-12345.bmp" --size "$main_screen" --fill 12345 >/dev/null

ctest --test-dir "$dir" --output-on-failure --timeout 600 -LE '^wine-' "$@"
wineserver -k 2>/dev/null || true
DISPLAY="$two_monitor_display" WINEPREFIX="$dir/wine-prefix-two-monitors" \
    ctest --test-dir "$dir" --output-on-failure --timeout 600 -L '^wine-two-monitors$' "$@"
DISPLAY="$wide_display" WINEPREFIX="$dir/wine-prefix-150-percent" \
    ctest --test-dir "$dir" --output-on-failure --timeout 600 -L '^wine-150-percent$' "$@"
WINEPREFIX="$dir/wine-prefix-150-percent" wineserver -k 2>/dev/null || true  # it reads the display at start
DISPLAY="$small_display" WINEPREFIX="$dir/wine-prefix-150-percent" \
    ctest --test-dir "$dir" --output-on-failure --timeout 600 -L '^wine-150-percent-small-screen$' "$@"
DISPLAY="$mode_switch_display" WINEPREFIX="$dir/wine-prefix-mode-switch" \
    ctest --test-dir "$dir" --output-on-failure --timeout 600 -L '^wine-mode-switch$' "$@"
if [ $# -eq 0 ]; then
    echo "== The installer of the $arch build"
    "$here/tools/test-installer.sh" "$dir" "$dir/wine-prefix-installer"
fi
echo "Windows tests passed: the $arch build under Wine, in $(( $(date +%s) - start )) s"
