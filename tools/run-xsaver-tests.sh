#!/usr/bin/env bash
# vorrith-saver on virtual X displays: what it shows, where, and how it ends, then under
# the real screensaver daemon. Runs as root: the daemon refuses to launch its programs
# as root, so it runs as an ordinary user made for the test (and removed afterwards).
# xsaver-probe (built with the tests) makes the windows and checks what they show.
# Usage: tools/run-xsaver-tests.sh [BUILD_FOLDER]   (default build/native, built)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$here/build/native}")"
saver="$build/vorrith-saver"
probe="$build/tests/xsaver-probe"
xml="$here/xsaver/vorrith-saver.xml"
for tool in "$saver" "$probe"; do
    [ -x "$tool" ] || { echo "no $tool: build $build first" >&2; exit 1; }
done
# A sanitised build spends a few hundred milliseconds more ending (the leak check): its
# time limits are four times as long.
slowness=1
grep -q "^VORRITH_SANITIZE:BOOL=ON" "$build/CMakeCache.txt" 2>/dev/null && slowness=4

. "$here/tools/lib/x-server.sh"
work="$(mktemp -d /tmp/vorrith-xsaver.XXXXXX)"
chmod 755 "$work"  # the daemon's user runs the installed copy from here
servers=()
children=()
test_user=vorrith-saver-test
user_created=""
finish() {
    for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${children[@]}"; do wait "$pid" 2>/dev/null || true; done  # before their displays go
    for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "$user_created" ] && userdel "$test_user" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

passed=0
failed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }
now_ns() { date +%s%N; }
ms_since() { echo $(( ($(now_ns) - $1) / 1000000 )); }

start_saver() {  # ARGUMENTS... (environment as given): sets saver_pid
    "$saver" "$@" &
    saver_pid=$!
    children+=("$saver_pid")
}

# Ends PID by signal, or waits for it to end of itself: checks its status and time.
ends_within() {  # MS PID WHAT [SIGNAL]
    local limit=$(($1 * slowness)) pid="$2" what="$3" t0 status=0
    t0=$(now_ns)
    [ -n "${4:-}" ] && kill "-$4" "$pid"
    wait "$pid" || status=$?
    local ms
    ms=$(ms_since "$t0")
    if [ "$status" -eq 0 ] && [ "$ms" -le "$limit" ]; then pass "$what: ended in $ms ms"
    else fail "$what: ended with status $status after $ms ms (limit $limit ms)"; fi
}

open_window() {  # SIZE X Y: sets window_hex, window_decimal, window_pid
    local out="$work/window.$RANDOM"
    "$probe" window "$1" "$2" "$3" > "$out" &
    window_pid=$!
    children+=("$window_pid")
    for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.1; done
    read -r window_hex window_decimal < "$out"
}

shows() {  # NUMBER WINDOW WHAT
    if "$probe" expect "$1" "$2" 10; then pass "$3"; else fail "$3"; fi
}

start_x_server 300 340 Xvfb -screen 0 640x480x24 -nolisten tcp
servers+=("$x_pid")
vga_display="$x_display"
start_x_server 300 340 Xvfb -screen 0 1280x1024x24 -nolisten tcp
servers+=("$x_pid")
large_display="$x_display"
# Two monitors side by side: Xephyr with two screens joined by Xinerama, inside an Xvfb.
start_x_server 300 340 Xvfb -screen 0 1280x480x24 -nolisten tcp
servers+=("$x_pid")
DISPLAY="$x_display" start_x_server 300 340 Xephyr -screen 640x480 -screen 640x480 +xinerama -nolisten tcp
servers+=("$x_pid")
twin_display="$x_display"
twin_server="$x_pid"

echo "== what it shows, and where"
export DISPLAY="$vga_display"
start_saver --root --number 12345
root_saver=$saver_pid
shows 12345 root "-root --number 12345 at 640 x 480: the picture itself, pixel for pixel"

export DISPLAY="$large_display"
open_window 800x450 0 0
XSCREENSAVER_WINDOW="$window_hex" start_saver -root --number 777
shows 777 "$window_hex" "\$XSCREENSAVER_WINDOW over -root: the centred 600 x 450 of an 800 x 450 window, black sides"
open_window 320x240 900 0
start_saver -window-id "$window_decimal" --number 5
decimal_saver=$saver_pid
decimal_window=$window_pid
shows 5 "$window_hex" "-window-id in decimal"
open_window 320x240 900 300
start_saver --window-id "$window_hex" --number 6
shows 6 "$window_hex" "--window-id in hexadecimal"

export DISPLAY="$twin_display"
open_window 640x480 0 0
XSCREENSAVER_WINDOW="$window_hex" start_saver --root --number 100
twin_savers=("$saver_pid")
shows 100 "$window_hex" "two monitors, first: its own number"
open_window 640x480 640 0
XSCREENSAVER_WINDOW="$window_hex" start_saver --root --number 100
twin_savers+=("$saver_pid")
shows 101 "$window_hex" "two monitors, second: the number plus its index"

echo "== how it ends"
ends_within 200 "$root_saver" "SIGTERM" TERM
# Its own window, covering the screen (the window manager is asked; here there is none).
export DISPLAY="$vga_display"
start_saver --window --fullscreen --number 9
shows 9 root "--window --fullscreen: a window of its own over the whole screen"
ends_within 200 "$saver_pid" "SIGTERM in its own window" TERM
kill "$decimal_window"
ends_within 1000 "$decimal_saver" "its window destroyed"
kill "$twin_server"
t0=$(now_ns)
for pid in "${twin_savers[@]}"; do wait "$pid" 2>/dev/null || true; done
ms=$(ms_since "$t0")
if [ "$ms" -le $((1000 * slowness)) ]; then pass "X connection closed: ended in $ms ms"; else fail "X connection closed: $ms ms"; fi

echo "== the settings description"
if xmllint --noout "$xml"; then pass "the XML is well formed"; else fail "the XML is not well formed"; fi
# Every argument the daemon's dialog can pass: a slider's or spin button's at its low,
# high and default values.
arguments=()
elements="//*[@arg or @arg-set or @arg-unset]"
for i in $(seq "$(xmllint --xpath "count($elements)" "$xml")"); do
    for attribute in arg arg-set arg-unset; do
        value="$(xmllint --xpath "string(($elements)[$i]/@$attribute)" "$xml")"
        [ -n "$value" ] || continue
        if [[ "$value" != *%* ]]; then arguments+=("$value"); continue; fi
        for bound in low high default; do
            arguments+=("${value//%/$(xmllint --xpath "string(($elements)[$i]/@$bound)" "$xml")}")
        done
    done
done
argument_savers=()
for argument in "${arguments[@]}"; do
    start_saver --root $argument  # split into option and value
    argument_savers+=("$saver_pid")
done
sleep 1.5
for i in "${!arguments[@]}"; do
    ends_within 1000 "${argument_savers[i]}" "accepts ${arguments[i]}" TERM
done

echo "== under the screensaver daemon"
# An installed copy in the daemon's folders under $work, listed in the user's settings.
DESTDIR="$work/root" cmake --install "$build" --component xsaver --prefix /usr >/dev/null
installed="$work/root/usr/libexec/xscreensaver/vorrith-saver"
[ -f "$work/root/usr/share/xscreensaver/config/vorrith-saver.xml" ] && pass "installed with its XML" ||
    fail "cmake --install put no XML in share/xscreensaver/config"
if ! id "$test_user" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$test_user"
    user_created=1
fi
home="$work/home"
mkdir "$home"
cat > "$home/.xscreensaver" <<EOF
mode: one
selected: 0
lock: False
fade: False
unfade: False
splash: False
programs: $installed --root --number 12345 \n
EOF
chown -R "$test_user" "$home"
as_user() { runuser -u "$test_user" -- env HOME="$home" DISPLAY="$DISPLAY" "$@"; }
as_user xscreensaver -no-splash -verbose > "$work/daemon.log" 2>&1 &
children+=("$!")
for _ in $(seq 50); do as_user xscreensaver-command -time >/dev/null 2>&1 && break; sleep 0.2; done
as_user xscreensaver-command -activate >/dev/null
daemon_saver=""
for _ in $(seq 100); do
    daemon_saver="$(pgrep -u "$test_user" -x vorrith-saver || true)"
    [ -n "$daemon_saver" ] && break
    sleep 0.1
done
if [ -z "$daemon_saver" ]; then
    fail "the daemon started no vorrith-saver"
    sed 's/^/    /' "$work/daemon.log"
else
    window="$(tr '\0' '\n' < "/proc/$daemon_saver/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')"
    shows 12345 "$window" "the daemon's vorrith-saver draws picture 12345 in the daemon's window $window"
    as_user xscreensaver-command -deactivate >/dev/null
    for _ in $(seq 50); do kill -0 "$daemon_saver" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$daemon_saver" 2>/dev/null; then fail "vorrith-saver still runs 5 s after deactivation"
    else pass "deactivated: the daemon's vorrith-saver is gone"; fi
fi
as_user xscreensaver-command -exit >/dev/null 2>&1 || true

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
