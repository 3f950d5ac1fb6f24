#!/usr/bin/env bash
# Re-records the golden pictures the tests compare against (one per scene type, listed
# in tests/data/golden/pictures.txt) from the current code. Run it only after checking
# that the change in the pictures is intended, e.g. after looking at the diff images a
# failing test wrote.
# Usage: tools/record-goldens.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/native"
golden="$here/tests/data/golden"
mapfile -t numbers < <(awk '!/^#/ && NF { print $1 }' "$golden/pictures.txt")
if [ "${#numbers[@]}" -eq 0 ]; then
    echo "record-goldens.sh: no picture numbers read from $golden/pictures.txt" >&2
    exit 1
fi

"$here/tools/configure.sh" native
cmake --build "$build" -j2 --target vorrith-render
for n in "${numbers[@]}"; do
    out="$(printf '%s/vorrith-%05d.bmp' "$golden" "$n")"
    "$build/vorrith-render" -o "$out" "$n"
    echo "Recorded $out"
done
