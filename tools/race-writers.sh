#!/usr/bin/env bash
# Races writers of the same file while a reader watches, to show that a name the
# renderer writes only ever holds a whole picture:
#  - two renderers write pictures 5 and 6 to the same -o path at once;
#  - one batch names pictures several times over (5 5 1-5 3-8) on two workers.
# A reader reads both destinations all the time and fails on any content that is not a
# complete reference picture (or the file's content from before). Every iteration also
# checks the exit codes, the final files and that no temporary file is left.
#
#   bash tools/race-writers.sh [ITERATIONS [RENDERER]]   (defaults: 300, build/native)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
iterations="${1:-300}"
render="$(realpath "${2:-$here/build/native/vorrith-render}")"
work="$(mktemp -d "${TMPDIR:-/tmp}/vorrith-race.XXXXXX")"
reader_pid=""
cleanup() {
    if [[ -n "$reader_pid" ]]; then kill "$reader_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/reference" "$work/race" "$work/batch"
"$render" --jobs 1 --out-dir "$work/reference" 1-8 >/dev/null
echo "old content" > "$work/race/picture.bmp"
echo "old content" > "$work/batch/Vorrith5.Bmp"

# The reader: reads both destinations until told to stop, counts what it saw. Each read
# opens the name once, so it sees one file, whichever was there at that moment.
allowed=" $(for f in "$work"/reference/Vorrith*.Bmp; do cksum < "$f"; done | tr ' ' _ | tr '\n' ' ') $(echo "old content" | cksum | tr ' ' _) "
reader() {
    local reads=0 bad=0 path sum
    while [[ ! -e "$work/stop" ]]; do
        for path in "$work/race/picture.bmp" "$work/batch/Vorrith5.Bmp"; do
            sum=$( { cksum < "$path"; } 2>/dev/null) || continue
            reads=$((reads + 1))
            if [[ "$allowed" != *" ${sum// /_} "* ]]; then
                bad=$((bad + 1))
                echo "reader: $path held something that is no whole picture ($sum)" >&2
            fi
        done
    done
    echo "$reads $bad" > "$work/reader-result"
}
reader &
reader_pid=$!

fail() { echo "race-writers: iteration $1: $2" >&2; touch "$work/stop"; wait "$reader_pid" || true; exit 1; }

leftovers() {  # anything but whole pictures in the folder
    find "$1" -mindepth 1 \( -name '.vorrith-*' -o -name '*.partial' \) -print
}

start=$(date +%s%N)
for ((i = 1; i <= iterations; i++)); do
    "$render" -o "$work/race/picture.bmp" 5 & a=$!
    "$render" -o "$work/race/picture.bmp" 6 & b=$!
    wait "$a" || fail "$i" "the writer of picture 5 failed"
    wait "$b" || fail "$i" "the writer of picture 6 failed"
    if ! cmp -s "$work/race/picture.bmp" "$work/reference/Vorrith5.Bmp" &&
       ! cmp -s "$work/race/picture.bmp" "$work/reference/Vorrith6.Bmp"; then
        fail "$i" "two writers left a file that is neither picture"
    fi
    "$render" --jobs 2 --out-dir "$work/batch" 5 5 1-5 3-8 || fail "$i" "the duplicate batch failed"
    for n in 1 2 3 4 5 6 7 8; do
        cmp -s "$work/batch/Vorrith$n.Bmp" "$work/reference/Vorrith$n.Bmp" || fail "$i" "Vorrith$n.Bmp differs"
    done
    [[ -z "$(leftovers "$work/race")$(leftovers "$work/batch")" ]] || fail "$i" "temporary files were left"
done
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))

touch "$work/stop"
wait "$reader_pid"
reader_pid=""
read -r reads bad < "$work/reader-result"
echo "race-writers: $iterations iterations in $((elapsed_ms / 1000)).$(printf %03d $((elapsed_ms % 1000)))s; the reader read a destination $reads times, $bad times no whole picture"
[[ "$bad" == 0 ]]
