#!/usr/bin/env bash
# A 10-minute run of the full-screen saver that samples its kernel handles and GDI
# objects every minute and fails unless both stay flat. Where GetProcessHandleCount and
# GetGuiResources are stubs answering 0 (Wine 8), the handles are the saver's entries in
# the system's handle list and the GDI objects those of its own GDI handle table
# (tests/e2e/process_resources.h).
# Usage: tools/count-saver-handles.sh [MINUTES]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export VORRITH_E2E_MINUTES="${1:-10}"
"$here/tools/run-windows-tests.sh" -R saver_handles_e2e -V | grep -E "kernel handles|GDI objects|Passed|Failed|the [a-z0-9_]+ build"
