#!/usr/bin/env bash
# A 10-minute run of the full-screen saver under Wine that samples its kernel handle
# count every minute and fails unless the count stays flat. GDI objects are not counted:
# Wine's GetGuiResources is a stub that answers 0.
# Usage: tools/count-saver-handles.sh [MINUTES]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export VORRITH_E2E_MINUTES="${1:-10}"
"$here/tools/run-windows-tests.sh" -R saver_handles_e2e -V | grep -E "kernel handles|Passed|Failed|build"
