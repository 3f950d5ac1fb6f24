#!/usr/bin/env bash
# How busy vorrith-saver keeps the machine: runs it on the root window of a virtual
# display at 640 x 480 and then at 3840 x 2160, each for a while (30 s unless told), and
# prints the CPU time of the saver and of the X server as a share of one core. A
# benchmark to compare builds, not a test: it passes whatever it measures.
# Usage: tools/measure-xsaver-cpu.sh [SECONDS] [PATH/TO/vorrith-saver]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
saver="$(realpath "${2:-$here/build/native/vorrith-saver}")"
[ -x "$saver" ] || { echo "no program at $saver: build it first (tools/build-and-render.sh)" >&2; exit 1; }

. "$here/tools/lib/x-server.sh"
. "$here/tools/lib/cpu-time.sh"
xvfb_pid=""
saver_pid=""
finish() {
    [ -n "$saver_pid" ] && kill "$saver_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap finish EXIT

measure() {  # WIDTHxHEIGHT
    start_x_server 300 340 Xvfb -screen 0 "${1}x24" -nolisten tcp
    xvfb_pid=$x_pid
    DISPLAY="$x_display" "$saver" --root &
    saver_pid=$!
    sleep 1  # start-up is not what is measured
    local start_ns saver_start xvfb_start
    start_ns=$(date +%s%N)
    saver_start=$(cpu_ticks "$saver_pid")
    xvfb_start=$(cpu_ticks "$xvfb_pid")
    sleep "$seconds"
    local saver_ticks=$(( $(cpu_ticks "$saver_pid") - saver_start ))
    local xvfb_ticks=$(( $(cpu_ticks "$xvfb_pid") - xvfb_start ))
    local elapsed_ns=$(( $(date +%s%N) - start_ns ))
    kill -0 "$saver_pid" 2>/dev/null || { echo "the saver ended early" >&2; exit 1; }
    kill "$saver_pid"
    wait "$saver_pid" || true
    saver_pid=""
    kill "$xvfb_pid"
    xvfb_pid=""
    printf '%-10s vorrith-saver %s of one core, Xvfb %s\n' "$1" \
        "$(cpu_share "$saver_ticks" "$elapsed_ns")" "$(cpu_share "$xvfb_ticks" "$elapsed_ns")"
}

echo "Measuring ${seconds} s of vorrith-saver --root at each size ..."
measure 640x480
measure 3840x2160
