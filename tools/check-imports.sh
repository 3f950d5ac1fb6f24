#!/usr/bin/env bash
# Keeps the Windows program loadable on old systems: lists the functions a program
# imports (objdump -p) and fails when one is missing from the committed list of allowed
# imports, which holds nothing newer than Windows XP. Functions of newer systems are
# looked up at run time (GetProcAddress) instead.
# Usage: tools/check-imports.sh PROGRAM ALLOWED-LIST [OBJDUMP]
# With --list it only prints the program's imports, one DLL!function per line, sorted:
# tools/check-imports.sh --list PROGRAM [OBJDUMP]
set -euo pipefail

imports() {  # program objdump
    "$2" -p "$1" | awk '
        /^[ \t]*DLL Name:/ { dll = toupper($3); inside = 1; next }
        /^[ \t]*$/ { inside = 0 }
        inside && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ && NF == 3 { print dll "!" $3 }
    ' | sort -u
}

if [ "${1:-}" = --list ]; then
    imports "$2" "${3:-objdump}"
    exit 0
fi
program="$1"; allowed="$2"; objdump="${3:-objdump}"
[ -f "$program" ] || { echo "no program at $program" >&2; exit 1; }

found="$(imports "$program" "$objdump")"
[ -n "$found" ] || { echo "found no imports in $program: is $objdump able to read it?" >&2; exit 1; }
unexpected="$(comm -23 <(echo "$found") <(grep -v '^#' "$allowed" | sed '/^$/d' | sort -u))"
if [ -n "$unexpected" ]; then
    echo "$(basename "$program") imports functions that are not in $(basename "$allowed"):" >&2
    echo "$unexpected" | sed 's/^/  /' >&2
    echo "Load a function newer than Windows XP at run time instead; add one that XP has to the list." >&2
    exit 1
fi
echo "$(basename "$program"): $(echo "$found" | wc -l) imports, all allowed"
