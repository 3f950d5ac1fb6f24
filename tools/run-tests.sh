#!/usr/bin/env bash
# The whole test suite: installs what is missing, then runs the native tests in a normal
# build and in a sanitised one (any finding fails), and the Windows tests under Wine.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

"$here/tools/install-deps.sh" all

run_native() {  # name, extra cmake arguments...
    local name="$1"; shift
    local dir="$here/build/$name"
    echo "== native tests: $name"
    cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j2
    ctest --test-dir "$dir" -j2 --output-on-failure --timeout 900
}

run_native native -DCMAKE_BUILD_TYPE=Release
run_native sanitized -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORRITH_SANITIZE=ON -DVORRITH_BENCHMARKS=OFF

echo "== fuzz targets: corpus replay and a brief fixed-seed run"
CC=clang CXX=clang++ cmake -S "$here" -B "$here/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORRITH_FUZZ=ON -DVORRITH_SANITIZE=ON -DVORRITH_TESTS=OFF -DVORRITH_BENCHMARKS=OFF >/dev/null
cmake --build "$here/build/fuzz" -j2
ctest --test-dir "$here/build/fuzz" -j2 --output-on-failure --timeout 300

"$here/tools/run-windows-tests.sh"
echo "== same pictures in the native and the Windows build"
"$here/tools/compare-builds.sh"
echo "All test runs passed."
