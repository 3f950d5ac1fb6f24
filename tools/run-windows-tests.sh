#!/usr/bin/env bash
# The Windows tests under Wine on a virtual display: builds both targets, then runs the
# Windows unit tests and the end-to-end tests of one build through CTest. The i686
# build (the one that ships) is tested when this machine runs the 32-bit Wine loader;
# otherwise the x86_64 build under wine64, and the run says so. Arguments go to ctest
# (e.g. -R NAME to run some tests only).
# A fresh Wine prefix is made inside the build folder once per run, without the Gecko
# and Mono installers and with the crash dialog off, so a crash fails fast.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

"$here/tools/build-windows.sh"

# VORRITH_WINE_ARCH=x86_64 forces the fallback, to try it on a machine that has both.
if [ "${VORRITH_WINE_ARCH:-}" != x86_64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    arch=i686 winearch=win32
else
    arch=x86_64 winearch=win64
fi
dir="$here/build/win-$arch"
echo "== Windows tests under Wine: the $arch build ($winearch prefix)"

export WINEPREFIX="$dir/wine-prefix" WINEARCH="$winearch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

display=""
for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display="$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
stop_all() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_all EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

start=$(date +%s)
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
echo "Wine prefix ready in $(( $(date +%s) - start )) s"

# The configuration-dialog tests compare what the dialog shows and saves with the native
# renderer's file of the same picture, put beside Vorrith.scr.
native="$here/build/native"
"$here/tools/configure.sh" native
cmake --build "$native" -j2 --target vorrith-render
"$native/vorrith-render" -o "$dir/win32/reference-12345.bmp" 12345 >/dev/null

ctest --test-dir "$dir" --output-on-failure --timeout 600 "$@"
wineserver -k 2>/dev/null || true
echo "Windows tests passed: the $arch build under Wine, in $(( $(date +%s) - start )) s"
