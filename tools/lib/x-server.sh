# Virtual X servers for the tools that run Windows programs under Wine; sourced.
#
# start_x_server FIRST LAST SERVER [OPTIONS...]
#   Starts SERVER (Xvfb, or Xephyr inside the display named by DISPLAY) on the first
#   free display number from FIRST to LAST and waits until it accepts connections. Sets
#   x_display (":N") and x_pid. A number another server takes meanwhile is skipped;
#   returns 1 when no number worked.
start_x_server() {
    local first="$1" last="$2" n
    shift 2
    for n in $(seq "$first" "$last"); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
        "$1" ":$n" "${@:2}" >/dev/null 2>&1 &
        x_pid=$!
        for _ in $(seq 50); do
            kill -0 "$x_pid" 2>/dev/null || break  # the number was taken after all
            if [ -e "/tmp/.X11-unix/X$n" ]; then x_display=":$n"; return 0; fi
            sleep 0.1
        done
        kill "$x_pid" 2>/dev/null || true
    done
    echo "no X display number from $first to $last could be used for $1" >&2
    return 1
}
