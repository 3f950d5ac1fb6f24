#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in a given prefix: the emulator that CTest
# puts in front of the Windows tests. Usage: wine-run.sh LOADER PREFIX PROGRAM [ARGS...]
# tools/run-windows-tests.sh creates the prefix and the virtual display beforehand.
set -euo pipefail
loader="$1"; prefix="$2"; shift 2
export WINEPREFIX="${WINEPREFIX:-$prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec "$loader" "$@"
