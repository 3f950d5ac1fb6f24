#!/usr/bin/env bash
# Tests Vorrith-Setup.exe under Wine, black box, each scenario in its own copy of a fresh
# prefix: silent installs for all users and for the current user (whose profile folder
# has a Cyrillic name with a space), each installed twice, started as Windows starts the
# active saver, then removed the way the Apps list removes it; a Group Policy that chooses
# the saver; a prefix that reports Windows XP.
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
export_key() {  # key, file: the key and its subkeys (no file when the key is missing)
    rm -f "$2"
    wine_run reg export "$1" "Z:${2//\//\\}" /y || true
}
value() {  # exported file, name: a value of its key, "(missing)" when there is none
    [ -f "$1" ] && python3 "$here/tools/lib/wine_registry.py" "$1" "$2" || echo "(missing)"
}
listing() {  # key: it and its subkeys with their values, sorted; empty when missing
    local file="$work/listing.reg"
    export_key "$1" "$file"
    [ -f "$file" ] && python3 "$here/tools/lib/wine_registry.py" "$file"
    return 0
}
saver_setting() {
    export_key "$desktop" "$work/desktop.reg"
    value "$work/desktop.reg" SCRNSAVE.EXE
}

# ---- files
windows_files() { (cd "$WINEPREFIX/drive_c/windows" && find . -printf '%p %s %T@\n' | sort); }
installed_scrs() { find "$WINEPREFIX/drive_c" -iname 'Vorrith.scr' | wc -l; }
start_menu_entries() { find "$WINEPREFIX/drive_c" -ipath '*/Start Menu/Programs/Vorrith/*.lnk' | wc -l; }
ours_left() { find "$WINEPREFIX/drive_c" -iname '*vorrith*'; }

install() {  # options: two silent installs, the second over the first
    check "install $* exits 0" wine_run "$setup" /S "$@"
    check "second install $* exits 0" wine_run "$setup" /S "$@"
}

# Runs a command line from the registry as Windows does: a quoted program, then its
# arguments. An uninstaller goes on in a copy of itself: wait until its entry is gone.
run_command_line() {
    local program="${1#\"}"
    program="${program%%\"*}"
    local arguments="${1#\"*\"}"
    # shellcheck disable=SC2086 # the arguments split as Windows splits them
    check "$1 exits 0" wine_run "$program" $arguments
}
uninstall() {  # root
    local entry="$1\\$uninstall_key\\Vorrith"
    export_key "$entry" "$work/entry.reg"
    run_command_line "$(value "$work/entry.reg" QuietUninstallString)"
    for _ in $(seq 60); do
        wine_run reg query "$entry" || return 0
        sleep 0.5
    done
    fail "the uninstaller did not finish within 30 s"
}

check_installed() {  # root (HKLM or HKCU), the .scr's Windows path
    local root="$1" scr="$2" entry="$work/entry.reg" active
    active="$(saver_setting)"
    check ".scr installed as built" cmp -s "$built_scr" "$(unix_path "$scr")"
    check "one .scr after two installs" equal "$(installed_scrs)" 1
    check "SCRNSAVE.EXE holds no space" equal "${active// /}" "$active"
    check "SCRNSAVE.EXE names the installed .scr" cmp -s "$built_scr" "$(unix_path "$active")"
    check "ScreenSaveActive" equal "$(value "$work/desktop.reg" ScreenSaveActive)" 1
    export_key "$root\\$uninstall_key\\Vorrith" "$entry"
    check "DisplayName" equal "$(value "$entry" DisplayName)" "Vorrith Screensaver"
    check "DisplayVersion" equal "$(value "$entry" DisplayVersion)" "$version"
    check "Publisher" equal "$(value "$entry" Publisher)" "The Vorrith developers"
    check "DisplayIcon" equal "$(value "$entry" DisplayIcon)" "$scr"
    check "EstimatedSize" test "$(value "$entry" EstimatedSize)" -gt 1000
    check "NoModify" equal "$(value "$entry" NoModify)" 1
    check "NoRepair" equal "$(value "$entry" NoRepair)" 1
    check "the uninstaller" test -f "$(unix_path "$(value "$entry" UninstallString | tr -d '"')")"
    check "QuietUninstallString" equal "$(value "$entry" QuietUninstallString)" "$(value "$entry" UninstallString) /S"
    check "three Start menu entries" equal "$(start_menu_entries)" 3
    check "the installed saver starts from SCRNSAVE.EXE" wine_run "$driver" installed_saver
}

check_uninstalled() {  # root
    check "the previous saver is back" equal "$(saver_setting)" "$previous_saver"
    check "no file or shortcut left" equal "$(ours_left)" ""
    check "no uninstall entry left" equal "$(listing "$1\\$uninstall_key\\Vorrith")" ""
    check "no settings left" equal "$(listing 'HKCU\Software\Vorrith')" ""
}

all_users() {
    new_prefix all-users
    set_value "$desktop" SCRNSAVE.EXE "$previous_saver"
    install  # an administrator gets all users without asking
    check_installed HKLM 'C:\windows\Vorrith.scr'
    uninstall HKLM
    check_uninstalled HKLM
}

current_user() {
    new_prefix current-user
    local profile='C:\users\Пётр Иванов'
    mkdir -p "$WINEPREFIX/drive_c/users/Пётр Иванов/AppData/Local"
    set_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' 'Local AppData' \
        "$profile\\AppData\\Local"
    set_value "$desktop" SCRNSAVE.EXE "$previous_saver"
    local machine_entries windows_before
    machine_entries="$(listing "HKLM\\$uninstall_key")"
    windows_before="$(windows_files)"
    install /CURRENTUSER
    check_installed HKCU "$profile\\AppData\\Local\\Programs\\Vorrith\\Vorrith.scr"
    check "no uninstall entry under HKLM" equal "$(listing "HKLM\\$uninstall_key")" "$machine_entries"
    check "nothing written to the Windows folder" equal "$(windows_files)" "$windows_before"
    uninstall HKCU
    check_uninstalled HKCU
    check "nothing left in the Windows folder" equal "$(windows_files)" "$windows_before"
}

group_policy() {
    new_prefix group-policy
    set_value 'HKCU\Software\Policies\Microsoft\Windows\Control Panel\Desktop' SCRNSAVE.EXE 'C:\windows\system32\policy.scr'
    set_value "$desktop" SCRNSAVE.EXE "$previous_saver"
    local before
    before="$(listing "$desktop")"
    install
    check "the user's screen saver values untouched" equal "$(listing "$desktop")" "$before"
}

# Also the Start menu entry that makes Vorrith the screen saver again after the user
# chose another.
windows_xp() {
    new_prefix windows-xp
    local xp=winxp
    [ "${WINEARCH:-win32}" = win64 ] && xp=winxp64  # Wine's name for XP in a 64-bit prefix
    set_value 'HKCU\Software\Wine' Version "$xp"
    install /CURRENTUSER
    set_value "$desktop" SCRNSAVE.EXE "$previous_saver"
    export_key "HKCU\\$uninstall_key\\Vorrith" "$work/entry.reg"
    local uninstaller
    uninstaller="$(value "$work/entry.reg" UninstallString | tr -d '"')"
    # As the entry runs it, plus /S: the uninstaller, in its place, in its other mode.
    check "the Start menu entry's command exits 0" wine_run "$uninstaller" /MAKEACTIVE /S "_?=${uninstaller%\\*}"
    check "the Start menu entry makes it the saver" cmp -s "$built_scr" "$(unix_path "$(saver_setting)")"
    check "the installed saver starts on Windows XP" wine_run "$driver" installed_saver
}

start=$(date +%s)
trap 'wineserver -k 2>/dev/null || true' EXIT
mkdir -p "$work"
all_users
current_user
group_policy
windows_xp
wineserver -k 2>/dev/null || true
echo "Installer tests: $(stat -c %s "$setup") bytes, $failures failures, in $(( $(date +%s) - start )) s"
if [ "$failures" -gt 0 ]; then
    echo "The scenarios' prefixes are left in $work"
    exit 1
fi
rm -rf "$work"
