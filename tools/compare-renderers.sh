#!/usr/bin/env bash
# Same pictures before and after a change: renders every image number (or a range) with
# two vorrith-render programs, a batch at a time, and names each number whose files
# differ. Use it after any speed work, with a renderer built from an earlier commit:
#   tools/compare-renderers.sh OLD_RENDERER [NEW_RENDERER] [FIRST-LAST]
# NEW_RENDERER defaults to build/native/vorrith-render, the range to 0-32767.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
old="${1:?usage: tools/compare-renderers.sh OLD_RENDERER [NEW_RENDERER] [FIRST-LAST]}"
new="${2:-$here/build/native/vorrith-render}"
range="${3:-0-32767}"
first="${range%-*}" last="${range#*-}"
batch=512
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

differing=0
start=$(date +%s)
for ((from = first; from <= last; from += batch)); do
    to=$((from + batch - 1 < last ? from + batch - 1 : last))
    rm -rf "$work/old" "$work/new"
    mkdir -p "$work/old" "$work/new"
    "$old" --out-dir "$work/old" "$from-$to" >/dev/null 2>&1
    "$new" --out-dir "$work/new" "$from-$to" >/dev/null 2>&1
    for ((n = from; n <= to; ++n)); do
        if ! cmp -s "$work/old/Vorrith$n.Bmp" "$work/new/Vorrith$n.Bmp"; then
            echo "differs: image number $n"
            differing=$((differing + 1))
        fi
    done
    echo "compared $from-$to ($(( $(date +%s) - start )) s)" >&2
done
if ((differing > 0)); then
    echo "FAILED: $differing pictures differ"
    exit 1
fi
echo "Same bytes: pictures $first-$last identical in both renderers ($(( $(date +%s) - start )) s)"
