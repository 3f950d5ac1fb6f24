#!/usr/bin/env bash
# vorrith-wallpaper against fake desktop tools: gsettings, plasma-apply-wallpaperimage,
# xfconf-query, swaymsg and systemctl on a PATH of their own, each logging its arguments
# (and answering the queries the program makes). Checks the calls each desktop gets, the
# file against vorrith-render's, the names and the pruning, --daily, the timer's units,
# the one-line errors, and the size from XRandR on a virtual display.
# Usage: tests/wallpaper/wallpaper-test.sh WALLPAPER_PROGRAM RENDER_PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
wallpaper="$(realpath "$1")"
render="$(realpath "$2")"
work="$(mktemp -d "${TMPDIR:-/tmp}/vorrith-wallpaper.XXXXXX")"
x_pid=""
finish() {
    [ -n "$x_pid" ] && kill "$x_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

passed=0
failed=0
check() {  # WHAT CONDITION...
    local what="$1"
    shift
    if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}
same_text() { [ "$1" = "$2" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$2" "$1"; return 1; }; }
gone() { for f; do [ ! -e "$f" ] || return 1; done; }
one_line() { [ "$(wc -l < "$1")" -eq 1 ] && grep -q -- "$2" "$1" || { cat "$1"; return 1; }; }

# One fake for every tool, named by its link. Builtins only: the PATH holds nothing else.
fakes="$work/fakes"
mkdir "$fakes"
cat > "$fakes/fake-tool" <<'EOF'
#!/bin/sh
tool="${0##*/}"
echo "$tool $*" >> "$FAKE_LOG"
if [ -n "${FAKE_FAILURE:-}" ]; then echo "$FAKE_FAILURE" >&2; exit 1; fi
case "$tool $*" in
"gsettings list-keys org.gnome.desktop.background") printf 'picture-uri\npicture-uri-dark\npicture-options\n' ;;
"xfconf-query -c xfce4-desktop -l")
    printf '%s\n' /backdrop/screen0/monitorHDMI-1/workspace0/image-style \
        /backdrop/screen0/monitorHDMI-1/workspace0/last-image /backdrop/screen0/monitoreDP-1/workspace0/last-image \
        /desktop-icons/style ;;
"swaymsg -r -t get_outputs")
    echo '[{"name":"DP-1","active":true,"transform":"90","current_mode":{"width":1920,"height":1200}},
           {"name":"HDMI-A-1","active":true,"transform":"normal","current_mode":{"width":2560,"height":1440}},
           {"name":"DP-2","active":false,"current_mode":{"width":3840,"height":2160}}]' ;;
esac
exit 0
EOF
chmod +x "$fakes/fake-tool"
for tool in gsettings plasma-apply-wallpaperimage xfconf-query swaymsg systemctl; do
    ln -s fake-tool "$fakes/$tool"
done

log="$work/log"
# A home whose name needs escaping in a URI and in a unit file.
home="$work/h%me dir"
pictures="$home/.local/share/vorrith/wallpapers"
run() {  # VARIABLE=VALUE... -- ARGUMENTS...: runs the program in a clean environment
    local variables=()
    while [ "$1" != -- ]; do variables+=("$1"); shift; done
    shift
    : > "$log"
    status=0
    env -i HOME="$home" PATH="$fakes" FAKE_LOG="$log" TZ=UTC "${variables[@]}" "$wallpaper" "$@" \
        > "$work/out" 2> "$work/err" || status=$?
}
uri_of() { echo "file://$(echo "$1" | sed 's/%/%25/g; s/ /%20/g')"; }

echo "== each desktop's tool"
fill="$pictures/Vorrith7-64x48.png"
fit="$pictures/Vorrith7-64x48-fit.png"
run XDG_CURRENT_DESKTOP=ubuntu:GNOME -- 7 --size 64x48
check "GNOME: both picture keys, as a URI" same_text "$(cat "$log")" "gsettings list-keys org.gnome.desktop.background
gsettings set org.gnome.desktop.background picture-options zoom
gsettings set org.gnome.desktop.background picture-uri $(uri_of "$fill")
gsettings set org.gnome.desktop.background picture-uri-dark $(uri_of "$fill")"
"$render" 7 --size 64x48 --fill -o "$work/fill.png" && "$render" 7 --size 64x48 --fit -o "$work/fit.png"
check "the file is vorrith-render's --fill picture" cmp "$fill" "$work/fill.png"
run XDG_CURRENT_DESKTOP=X-Cinnamon -- 7 --size 64x48 --fit
check "Cinnamon: its schema, scaled" same_text "$(cat "$log")" "gsettings set org.cinnamon.desktop.background picture-options scaled
gsettings set org.cinnamon.desktop.background picture-uri $(uri_of "$fit")"
check "--fit: vorrith-render's --fit picture, under a name of its own" cmp "$fit" "$work/fit.png"
run XDG_CURRENT_DESKTOP=MATE -- 7 --size 64x48
check "MATE: its schema, a path" same_text "$(cat "$log")" "gsettings set org.mate.background picture-options zoom
gsettings set org.mate.background picture-filename $fill"
run XDG_CURRENT_DESKTOP=KDE -- 7 --size 64x48
check "KDE: plasma-apply-wallpaperimage" same_text "$(cat "$log")" "plasma-apply-wallpaperimage $fill"
run XDG_CURRENT_DESKTOP=XFCE -- 7 --size 64x48
check "XFCE: every last-image it lists" same_text "$(cat "$log")" "xfconf-query -c xfce4-desktop -l
xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorHDMI-1/workspace0/last-image -s $fill
xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitoreDP-1/workspace0/last-image -s $fill"
run XDG_CURRENT_DESKTOP=sway -- 7
check "sway: the largest active output's size, bg in quotes" same_text "$(cat "$log")" "swaymsg -r -t get_outputs
swaymsg output * bg \"$pictures/Vorrith7-2560x1440.png\" fill"

echo "== failures: one line each"
run XDG_CURRENT_DESKTOP=KDE FAKE_FAILURE="the shell is not running" -- 7 --size 64x48
check "a failed tool: exit 1" [ "$status" -eq 1 ]
check "a failed tool: its words" one_line "$work/err" "'plasma-apply-wallpaperimage' failed (exit status 1): the shell is not running"
run XDG_CURRENT_DESKTOP=Weird -- 7 --size 64x48
check "an unknown desktop: exit 1" [ "$status" -eq 1 ]
check "an unknown desktop: says so and where the file is" one_line "$work/err" "not recognised.*'$fill'"
for bad in 32768 "--size 0x480" "--size 16385x480" --frobnicate "--install-timer 5"; do
    # shellcheck disable=SC2086  # each row is words
    run -- $bad
    check "'$bad': exit 2" [ "$status" -eq 2 ]
    check "'$bad': one line" one_line "$work/err" "error"
done

echo "== names and pruning"
data="$work/data"
mkdir -p "$data/vorrith/wallpapers"
foreign=(holiday.png Vorrith12.png Vorrith1-8x6.png.bak)
for name in "${foreign[@]}"; do echo mine > "$data/vorrith/wallpapers/$name"; done
for n in 1 2 3 4 5 6 7; do run XDG_CURRENT_DESKTOP=KDE XDG_DATA_HOME="$data" -- "$n" --size 8x6; done
kept="$(cd "$data/vorrith/wallpapers" && ls | sort | tr '\n' ' ')"
check "the newest five of ours and every other file stay" same_text "$kept" \
    "Vorrith1-8x6.png.bak Vorrith12.png Vorrith3-8x6.png Vorrith4-8x6.png Vorrith5-8x6.png Vorrith6-8x6.png Vorrith7-8x6.png holiday.png "

echo "== --daily"
days=$(( $(TZ=UTC date +%s) / 86400 ))
d=$(( days ^ (days >> 16) )); d=$(( (d * 0x7feb352d) & 0xFFFFFFFF )); d=$(( d ^ (d >> 15) ))
d=$(( (d * 0x846ca68b) & 0xFFFFFFFF )); d=$(( d ^ (d >> 16) ))
today=$(( d % 32768 ))
run XDG_CURRENT_DESKTOP=GNOME -- --daily --size 64x48
check "--daily: the documented picture of today" [ -f "$pictures/Vorrith$today-64x48.png" ]
check "--daily: set" grep -q "picture-uri file" "$log"
run XDG_CURRENT_DESKTOP=GNOME -- --daily --size 64x48
check "--daily again the same day: nothing run" same_text "$(cat "$log")" ""
check "--daily again the same day: says so" grep -q "set already" "$work/out"

echo "== the timer"
units="$home/.config/systemd/user"
run XDG_CURRENT_DESKTOP=GNOME DISPLAY=:5 WAYLAND_DISPLAY=wayland-1 -- --install-timer --size 64x48 --fit
check "the program copied out of its build folder" cmp "$home/.local/bin/vorrith-wallpaper" "$wallpaper"
check "the copy is executable" [ -x "$home/.local/bin/vorrith-wallpaper" ]
check "the timer's unit" same_text "$(cat "$units/vorrith-wallpaper.timer")" "[Unit]
Description=Vorrith's picture of the day, every day

[Timer]
OnCalendar=daily
Persistent=true

[Install]
WantedBy=timers.target"
check "the service's unit" same_text "$(cat "$units/vorrith-wallpaper.service")" "[Unit]
Description=Vorrith's picture of the day as the desktop background

[Service]
Type=oneshot
Environment=\"XDG_CURRENT_DESKTOP=GNOME\"
Environment=\"DISPLAY=:5\"
Environment=\"WAYLAND_DISPLAY=wayland-1\"
ExecStart=\"$work/h%%me dir/.local/bin/vorrith-wallpaper\" --daily --size 64x48 --fit"
check "the timer enabled" same_text "$(grep systemctl "$log")" "systemctl --user daemon-reload
systemctl --user enable --now vorrith-wallpaper.timer"
run -- --remove-timer
check "the timer disabled" same_text "$(cat "$log")" "systemctl --user disable --now vorrith-wallpaper.timer
systemctl --user daemon-reload"
check "the units removed" gone "$units/vorrith-wallpaper.timer" "$units/vorrith-wallpaper.service"

echo "== --dry-run and the size found"
rm -rf "$pictures"
run XDG_CURRENT_DESKTOP=GNOME -- 9 --size 64x48 --dry-run
check "--dry-run: prints the changes" grep -q "^gsettings set org.gnome.desktop.background picture-uri-dark " "$work/out"
check "--dry-run: runs only the query, writes nothing" same_text "$(cat "$log")$(ls "$pictures" 2>/dev/null)" \
    "gsettings list-keys org.gnome.desktop.background"
run XDG_CURRENT_DESKTOP=KDE -- 9 --dry-run
check "no display: 3840x2160" grep -q "Vorrith9-3840x2160.png" "$work/out"
. "$here/tools/lib/x-server.sh"
start_x_server 360 400 Xvfb -screen 0 1280x1024x24 -nolisten tcp
run XDG_CURRENT_DESKTOP=KDE DISPLAY="$x_display" -- 9 --dry-run
check "an X display: its monitor's size from XRandR" grep -q "Vorrith9-1280x1024.png" "$work/out"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
