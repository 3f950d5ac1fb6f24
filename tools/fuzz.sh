#!/usr/bin/env bash
# Long fuzzing runs: builds the libFuzzer targets with clang and runs each for the given
# seconds (default 300) on its committed corpus. New inputs go to build/fuzz/found/NAME;
# a crash or hang is written there as crash-*/timeout-* and the run stops: copy it into
# tests/fuzz/corpus/NAME so the test run replays it from then on.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-300}"
dir="$here/build/fuzz"

"$here/tools/install-deps.sh" native
"$here/tools/configure.sh" fuzz
cmake --build "$dir" -j2

for target in "$dir"/tests/fuzz/*_fuzz; do
    name="$(basename "$target")"
    corpus="$here/tests/fuzz/corpus/${name%_fuzz}"
    found="$dir/found/$name"
    mkdir -p "$found"
    echo "== $name for ${seconds}s"
    (cd "$found" && "$target" -max_total_time="$seconds" -max_len=256 -timeout=10 -print_final_stats=1 \
        "$found" "$corpus" 2>&1 | tail -12)
done
