#!/usr/bin/env bash
# Cross-compiles Vorrith.scr and the Windows tests for both targets: build/win-i686 (the
# 32-bit program that ships) and build/win-x86_64. Usage: tools/build-windows.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

for arch in i686 x86_64; do
    dir="$here/build/win-$arch"
    echo "== Windows build: $arch"
    "$here/tools/configure.sh" "win-$arch"
    cmake --build "$dir" -j2
    echo "Built $dir/win32/Vorrith.scr"
done
