#!/usr/bin/env bash
# Starts and stops the saver many times under Wine: CYCLES (default 50) full-screen
# starts ended by a key and CYCLES previews ended by closing their parent. Every cycle
# must end within 10 s and leave no window or process behind.
# Usage: tools/start-stop-soak.sh [CYCLES]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export VORRITH_E2E_CYCLES="${1:-50}"
start=$(date +%s)
"$here/tools/run-windows-tests.sh" -R start_stop_cycles_e2e -V | grep -E "cycles:|Passed|Failed|tested|build"
echo "Soak of $VORRITH_E2E_CYCLES cycles of each mode finished in $(( $(date +%s) - start )) s"
