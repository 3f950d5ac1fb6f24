#!/usr/bin/env bash
# Re-records the golden pictures the tests compare against (one per scene type) from
# the current code. Run it only after checking that the change in the pictures is
# intended, e.g. after looking at the diff images a failing test wrote.
# Usage: tools/record-goldens.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/native"
numbers=(5829 7051 5110 2640)  # hill country, relief plain, crater plain, sea

"$here/tools/configure.sh" native
cmake --build "$build" -j2 --target vorrith-render
mkdir -p "$here/tests/data/golden"
for n in "${numbers[@]}"; do
    out="$(printf '%s/tests/data/golden/vorrith-%05d.bmp' "$here" "$n")"
    "$build/vorrith-render" -o "$out" "$n"
    echo "Recorded $out"
done
