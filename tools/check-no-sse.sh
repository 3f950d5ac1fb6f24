#!/usr/bin/env bash
# Fails when the disassembly of any given object file uses an SSE register: the code
# that runs before the processor check has passed must run on any 32-bit processor.
# Usage: tools/check-no-sse.sh OBJDUMP OBJECT...
set -euo pipefail
objdump="${1:?usage: tools/check-no-sse.sh OBJDUMP OBJECT...}"
shift
[ "$#" -gt 0 ] || { echo "check-no-sse: no object files given" >&2; exit 2; }
status=0
for object in "$@"; do
    if "$objdump" -d "$object" | grep -n 'xmm' >&2; then
        echo "check-no-sse: $(basename "$object") uses SSE registers" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "no SSE register in $# object files"
exit "$status"
