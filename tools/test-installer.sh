#!/usr/bin/env bash
# Tests Vorrith-Setup.exe under Wine, black box, in two copies of a fresh prefix. All
# users: a silent install under a Group Policy that chooses the saver, then, the policy
# gone, the Start menu entry's command and a second install. The current user, with Wine
# reporting Windows XP and a Cyrillic profile folder with a space: two silent installs.
# Each time the saver is started as Windows starts the active one, then removed the way
# the Apps list removes it: the desktop background the dialog wrote goes with it, unless
# it is the current one.
# Usage: tools/test-installer.sh BUILD_DIR FRESH_PREFIX
# tools/run-windows-tests.sh calls it with its display (DISPLAY), the wine command of the
# build's architecture first on PATH, and a fresh prefix of that architecture (WINEARCH),
# which this script copies and leaves alone.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$1" fresh="$2"
setup="$build/Vorrith-Setup.exe"
built_scr="$build/win32/Vorrith.scr"
driver="$build/tests/e2e/vorrith_e2e.exe"
work="$build/installer-test"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"

# Wine's menu builder would copy the Start menu entries into this machine's own menus.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LANG=C.UTF-8

desktop='HKCU\Control Panel\Desktop'
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
previous_saver='C:\windows\system32\previous.scr'
failures=0

fail() { echo "FAILED: $scenario: $*"; failures=$((failures + 1)); }
check() {  # what, then a command that must succeed
    local what="$1"
    shift
    "$@" || fail "$what"
}
equal() {  # actual, expected; shows how they differ
    [ "$1" = "$2" ] && return 0
    diff <(echo "$2") <(echo "$1") | sed -n 's/^[<>]/  &/p' | head -20
    return 1
}

# ---- one scenario's prefix, its Wine server kept running until the next one
new_prefix() {  # name
    [ -z "${scenario:-}" ] || wineserver -k 2>/dev/null || true
    scenario="$1"
    export WINEPREFIX="$work/$1"
    rm -rf "$WINEPREFIX"
    cp -a "$fresh" "$WINEPREFIX"
    wineserver -p
    echo "-- $scenario"
}
wine_run() { wine "$@" >/dev/null 2>&1; }
set_value() { wine_run reg add "$1" /v "$2" /d "$3" /f; }  # key, name, text
unix_path() { wine winepath.exe -u "$1" 2>/dev/null; }

# ---- the registry, read through "reg export" as Windows writes it
listing() {  # key: it and its subkeys, "[key]" then "name=value" lines, sorted; empty when missing
    local file="$work/export.reg"
    rm -f "$file"
    wine_run reg export "$1" "Z:${file//\//\\}" /y || return 0
    python3 "$here/tools/lib/wine_registry.py" "$file"
}
value() {  # listing, name: a value of the listing's key, "(missing)" when there is none
    awk -v name="$2" 'NR > 1 && /^\[/ { exit }
        index($0, name "=") == 1 { print substr($0, length(name) + 2); found = 1 }
        END { if (!found) print "(missing)" }' <<<"$1"
}
saver_setting() { value "$(listing "$desktop")" SCRNSAVE.EXE; }

# ---- files
windows_files() { (cd "$WINEPREFIX/drive_c/windows" && find . -printf '%p %s %T@\n' | sort); }
installed_scrs() { find "$WINEPREFIX/drive_c" -iname 'Vorrith.scr' | wc -l; }
start_menu_entries() { find "$WINEPREFIX/drive_c" -ipath '*/Start Menu/Programs/Vorrith/*.lnk' | wc -l; }
ours_left() { find "$WINEPREFIX/drive_c" -iname '*vorrith*'; }

install() {  # options
    check "install $* exits 0" wine_run "$setup" /S "$@"
}
wait_until() {  # a command: true when it succeeds within 30 s
    for _ in $(seq 60); do
        "$@" && return 0
        sleep 0.5
    done
    return 1
}
key_gone() { ! wine_run reg query "$1"; }
active_saver_is_built() { cmp -s "$built_scr" "$(unix_path "$(saver_setting)")"; }

# Runs a command line from the registry as Windows does: a quoted program, then its
# arguments. An uninstaller goes on in a copy of itself, which the caller waits for.
run_command_line() {
    local program="${1#\"}"
    program="${program%%\"*}"
    local arguments="${1#\"*\"}"
    # shellcheck disable=SC2086 # the arguments split as Windows splits them
    check "$1 exits 0" wine_run "$program" $arguments
}
uninstall() {  # root
    local entry="$1\\$uninstall_key\\Vorrith"
    run_command_line "$(value "$(listing "$entry")" QuietUninstallString)"
    check "the uninstaller finishes" wait_until key_gone "$entry"
}

check_installed() {  # root (HKLM or HKCU), the .scr's Windows path, the saver's wait in s
    local root="$1" scr="$2" timeout="$3" active desktop_values entry
    desktop_values="$(listing "$desktop")"
    active="$(value "$desktop_values" SCRNSAVE.EXE)"
    entry="$(listing "$root\\$uninstall_key\\Vorrith")"
    check ".scr installed as built" cmp -s "$built_scr" "$(unix_path "$scr")"
    check "one .scr after two installs" equal "$(installed_scrs)" 1
    check "SCRNSAVE.EXE holds no space" equal "${active// /}" "$active"
    check "SCRNSAVE.EXE names the installed .scr" active_saver_is_built
    check "ScreenSaveActive" equal "$(value "$desktop_values" ScreenSaveActive)" 1
    check "ScreenSaveTimeOut" equal "$(value "$desktop_values" ScreenSaveTimeOut)" "$timeout"
    check "DisplayName" equal "$(value "$entry" DisplayName)" "Vorrith Screensaver"
    check "DisplayVersion" equal "$(value "$entry" DisplayVersion)" "$version"
    check "Publisher" equal "$(value "$entry" Publisher)" "The Vorrith developers"
    check "DisplayIcon" equal "$(value "$entry" DisplayIcon)" "$scr"
    check "EstimatedSize" test "$(value "$entry" EstimatedSize)" -ge $(($(stat -c %s "$built_scr") / 1024))
    check "NoModify" equal "$(value "$entry" NoModify)" 1
    check "NoRepair" equal "$(value "$entry" NoRepair)" 1
    check "the uninstaller" test -f "$(unix_path "$(value "$entry" UninstallString | tr -d '"')")"
    check "QuietUninstallString" equal "$(value "$entry" QuietUninstallString)" "$(value "$entry" UninstallString) /S"
    check "three Start menu entries" equal "$(start_menu_entries)" 3
    check "the installed saver starts from SCRNSAVE.EXE" wine_run "$driver" installed_saver
}

# The file the dialog's "Set as Desktop Background" writes, under the user's local
# application data folder (a Unix path, and the Windows path to it).
wallpaper_file() { echo "$(unix_path "$1")/Vorrith/Wallpaper.bmp"; }
put_wallpaper() {  # the local application data folder's Windows path
    mkdir -p "$(dirname "$(wallpaper_file "$1")")"
    echo "a picture" >"$(wallpaper_file "$1")"
}

check_uninstalled() {  # root
    check "the previous saver is back" equal "$(saver_setting)" "$previous_saver"
    check "no file or shortcut left" equal "$(ours_left)" ""
    check "no uninstall entry left" equal "$(listing "$1\\$uninstall_key\\Vorrith")" ""
    check "no settings left" equal "$(listing 'HKCU\Software\Vorrith')" ""
}

all_users() {
    new_prefix all-users
    local policy='HKCU\Software\Policies\Microsoft\Windows\Control Panel\Desktop'
    set_value "$policy" SCRNSAVE.EXE 'C:\windows\system32\policy.scr'
    set_value "$desktop" SCRNSAVE.EXE "$previous_saver"
    local before
    before="$(listing "$desktop")"
    install  # an administrator gets all users without asking
    check "a policy leaves the user's screen saver values alone" equal "$(listing "$desktop")" "$before"
    # The policy gone, the Start menu entry's command (with /S) makes Vorrith the saver;
    # installing again over the active Vorrith keeps the saver before as the one to restore.
    wine_run reg delete "$policy" /f
    run_command_line "$(value "$(listing "HKLM\\$uninstall_key\\Vorrith")" UninstallString) /MAKEACTIVE /S"
    check "the Start menu entry makes it the saver" wait_until active_saver_is_built
    install
    check_installed HKLM 'C:\windows\Vorrith.scr' 600
    put_wallpaper "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')"  # not the background: removed
    uninstall HKLM
    check_uninstalled HKLM
}

current_user_on_windows_xp() {
    new_prefix current-user-xp
    local xp=winxp profile='C:\users\Пётр Иванов'
    [ "${WINEARCH:-win32}" = win64 ] && xp=winxp64  # Wine's name for XP in a 64-bit prefix
    set_value 'HKCU\Software\Wine' Version "$xp"
    mkdir -p "$WINEPREFIX/drive_c/users/Пётр Иванов/AppData/Local"
    set_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' 'Local AppData' \
        "$profile\\AppData\\Local"
    set_value "$desktop" SCRNSAVE.EXE "$previous_saver"
    set_value "$desktop" ScreenSaveTimeOut 300
    local machine_entries windows_before
    machine_entries="$(listing "HKLM\\$uninstall_key")"
    windows_before="$(windows_files)"
    install /CURRENTUSER
    install /CURRENTUSER
    check_installed HKCU "$profile\\AppData\\Local\\Programs\\Vorrith\\Vorrith.scr" 300
    check "no uninstall entry under HKLM" equal "$(listing "HKLM\\$uninstall_key")" "$machine_entries"
    check "nothing written to the Windows folder" equal "$(windows_files)" "$windows_before"
    put_wallpaper "$profile\\AppData\\Local"
    set_value "$desktop" Wallpaper "$profile\\APPDATA\\LOCAL\\VORRITH\\WALLPAPER.BMP"
    uninstall HKCU
    check "the desktop background is kept" test -f "$(wallpaper_file "$profile\\AppData\\Local")"
    rm -r "$(dirname "$(wallpaper_file "$profile\\AppData\\Local")")"
    check_uninstalled HKCU
    check "nothing left in the Windows folder" equal "$(windows_files)" "$windows_before"
}

start=$(date +%s)
trap 'wineserver -k 2>/dev/null || true' EXIT
mkdir -p "$work"
all_users
current_user_on_windows_xp
wineserver -k 2>/dev/null || true
echo "Installer tests: $(stat -c %s "$setup") bytes, $failures failures, in $(( $(date +%s) - start )) s"
if [ "$failures" -gt 0 ]; then
    echo "The scenarios' prefixes are left in $work"
    exit 1
fi
rm -rf "$work"
