#!/usr/bin/env bash
# Same bytes in every build: renders the sample pictures natively and in the Windows
# build under Wine (i686 where this machine runs 32-bit programs, else x86_64) and
# compares their hashes line by line. Needs build/native and build/win-* built.
# Usage: tools/compare-builds.sh [WINEPREFIX]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
prefix="${1:-$here/build/compare-wine-prefix}"
out="$here/build/compare"
mkdir -p "$out"

"$here/build/native/tests/picture_hashes" >"$out/native.txt"
if "$here/tools/wine-run.sh" wine "$prefix" "$here/build/win-i686/tests/picture_hashes.exe" >"$out/windows.txt" 2>"$out/wine.log"; then
    tested=i686
else
    "$here/tools/wine-run.sh" wine64 "$prefix" "$here/build/win-x86_64/tests/picture_hashes.exe" >"$out/windows.txt" 2>"$out/wine.log"
    tested=x86_64
fi
tr -d '\r' <"$out/windows.txt" >"$out/windows-unix.txt"
if ! diff -u "$out/native.txt" "$out/windows-unix.txt"; then
    echo "FAILED: the $tested Windows build draws different pictures from the native build"
    exit 1
fi
echo "Same bytes: $(wc -l <"$out/native.txt") sample pictures identical in the native and the $tested Windows build"
