#!/usr/bin/env bash
# How busy the full-screen saver keeps the machine: runs Vorrith.scr /s under Wine on an
# 800 x 600 virtual display for a while (60 s unless told) and prints the CPU time of the
# saver's process as a share of one core, with the Wine server and the X server beside
# it. A benchmark to compare builds, not a test: it passes whatever it measures.
# Usage: tools/measure-saver-cpu.sh [SECONDS] [PATH/TO/Vorrith.scr]
# Needs a built i686 program (tools/build-windows.sh) and the 32-bit Wine loader.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
scr="$(realpath "${2:-$here/build/win-i686/win32/Vorrith.scr}")"
[ -f "$scr" ] || { echo "no program at $scr: run tools/build-windows.sh first" >&2; exit 1; }

work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

. "$here/tools/lib/x-server.sh"
. "$here/tools/lib/cpu-time.sh"
start_x_server 140 180 Xvfb -screen 0 800x600x24 -nolisten tcp
xvfb_pid=$x_pid
saver_pid=""
finish() {
    [ -n "$saver_pid" ] && kill "$saver_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
export DISPLAY="$x_display"

echo "Preparing a Wine prefix ..."
wineboot -i >/dev/null 2>&1
wineserver -w

wineserver -p >/dev/null 2>&1  # keep the server up between the two samples
wine "$scr" /s >/dev/null 2>&1 &
saver_pid=$!
sleep 3  # start-up and the first picture are not what is measured
server_pid=""  # this prefix's server: the one started with our WINEPREFIX
for pid in $(pgrep wineserver || true); do
    if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then server_pid=$pid; fi
done

start_ns=$(date +%s%N)
saver_start=$(cpu_ticks "$saver_pid")
server_start=$(cpu_ticks "${server_pid:-0}")
xvfb_start=$(cpu_ticks "$xvfb_pid")
echo "Measuring ${seconds} s of the full-screen saver (process $saver_pid) ..."
sleep "$seconds"
saver_end=$(cpu_ticks "$saver_pid")
server_end=$(cpu_ticks "${server_pid:-0}")
xvfb_end=$(cpu_ticks "$xvfb_pid")
elapsed_ns=$(( $(date +%s%N) - start_ns ))
kill -0 "$saver_pid" 2>/dev/null || { echo "the saver ended early" >&2; exit 1; }

echo "Vorrith.scr /s: $(cpu_share $((saver_end - saver_start)) "$elapsed_ns") of one core"
echo "wineserver:     $(cpu_share $((server_end - server_start)) "$elapsed_ns")"
echo "Xvfb:           $(cpu_share $((xvfb_end - xvfb_start)) "$elapsed_ns")"
