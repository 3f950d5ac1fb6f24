#!/usr/bin/env bash
# Same bytes in every build: renders the sample pictures, and one of them resampled to
# three wallpaper sizes, natively and in the Windows build under Wine (i686 where this
# machine runs the 32-bit Wine loader, else x86_64) and compares their hashes line by
# line. Needs build/native and build/win-* built; uses that Windows build's own Wine
# prefix.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/build/compare"
mkdir -p "$out"

. "$here/tools/lib/wine-loader.sh"
if wine32_runs; then
    arch=i686 loader=/usr/lib/wine/wine winearch=win32
else
    arch=x86_64 loader=/usr/lib/wine/wine64 winearch=win64
fi
export WINEARCH="$winearch"
windows_build="$here/build/win-$arch"

"$here/build/native/tests/picture_hashes" >"$out/native.txt"
"$here/tools/wine-run.sh" "$loader" "$windows_build/wine-prefix" "$windows_build/tests/picture_hashes.exe" \
    2>"$out/wine.log" | tr -d '\r' >"$out/windows.txt"
WINEPREFIX="$windows_build/wine-prefix" wineserver -k 2>/dev/null || true
if ! diff -u "$out/native.txt" "$out/windows.txt"; then
    echo "FAILED: the $arch Windows build draws or resamples pictures unlike the native build"
    exit 1
fi
echo "Same bytes: $(wc -l <"$out/native.txt") sample pictures and sizes identical in the native and the $arch Windows build"
