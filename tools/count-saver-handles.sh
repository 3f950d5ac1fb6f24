#!/usr/bin/env bash
# A 10-minute run of the full-screen saver that samples its kernel handle count every
# minute and fails unless the count stays flat. Meant for Windows: Wine 8 counts neither
# a process's kernel handles (GetProcessHandleCount) nor its GDI objects
# (GetGuiResources), and there the run only shows that the saver keeps running.
# Usage: tools/count-saver-handles.sh [MINUTES]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export VORRITH_E2E_MINUTES="${1:-10}"
"$here/tools/run-windows-tests.sh" -R saver_handles_e2e -V | grep -E "kernel handles|Passed|Failed|build"
