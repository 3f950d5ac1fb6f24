#!/usr/bin/env bash
# Draws every image number (default 0-32767, or FIRST LAST) in the sanitised build on
# all cores and reports each memory or undefined-behaviour finding with its image
# number. A finding stops its process; the sweep goes on from the next number.
# Usage: tools/sanitized-sweep.sh [FIRST LAST]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
first="${1:-0}"
last="${2:-32767}"
dir="$here/build/sanitized"
logs="$dir/sweep"

"$here/tools/install-deps.sh" native
"$here/tools/configure.sh" sanitized
cmake --build "$dir" -j2 --target vorrith-render
rm -rf "$logs" && mkdir -p "$logs"
export RENDER="$dir/vorrith-render" LOGS="$logs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1

# Sweeps one chunk; after a finding, records it and resumes after the failing number.
sweep_chunk() {
    local from="$1" to="$2"
    while [ "$from" -le "$to" ]; do
        local log="$LOGS/chunk-$1-$from.log"
        if "$RENDER" --dry-run --verbose --jobs 1 "$from-$to" 2>"$log"; then return 0; fi
        local failed
        failed="$(grep -o '^drawing [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
        echo "FINDING image $failed: $(grep -m1 -E 'ERROR: |runtime error' "$log" || echo "exit without report")"
        mv "$log" "$LOGS/finding-$failed.log"
        from=$((failed + 1))
    done
}
export -f sweep_chunk

start=$(date +%s)
seq "$first" 256 "$last" | awk -v last="$last" '{ e = $1 + 255; if (e > last) e = last; print $1, e }' |
    xargs -P "$(nproc)" -n 2 bash -c 'sweep_chunk "$0" "$1"' | tee "$logs/findings.txt"
findings=$(wc -l <"$logs/findings.txt")
echo "Swept image numbers $first-$last in $(( $(date +%s) - start )) s: $findings finding(s); logs in $logs"
[ "$findings" -eq 0 ]
