#!/usr/bin/env bash
# Cross-compiles Vorrith.scr and the Windows tests for both targets: build/win-i686 (the
# 32-bit program that ships) and build/win-x86_64. Usage: tools/build-windows.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

for arch in i686 x86_64; do
    dir="$here/build/win-$arch"
    echo "== Windows build: $arch"
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-mingw-$arch.cmake" -DVORRITH_BENCHMARKS=OFF >/dev/null
    cmake --build "$dir" -j2
    echo "Built $dir/host/Vorrith.scr"
done
