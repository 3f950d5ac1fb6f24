#!/usr/bin/env bash
# Configures one build folder, build/KIND, with every option that kind relies on, so
# that whatever an earlier run left in its cache cannot change what is built or tested.
# Usage: tools/configure.sh native|sanitized|fuzz|win-i686|win-x86_64|web
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
kind="${1:?usage: tools/configure.sh native|sanitized|fuzz|win-i686|win-x86_64|web}"
dir="$here/build/$kind"

configure=(cmake)
case "$kind" in
    native) options=(-DCMAKE_BUILD_TYPE=Release -DVORRITH_TESTS=ON -DVORRITH_BENCHMARKS=ON
                     -DVORRITH_SANITIZE=OFF -DVORRITH_FUZZ=OFF) ;;
    sanitized) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORRITH_TESTS=ON -DVORRITH_BENCHMARKS=OFF
                        -DVORRITH_SANITIZE=ON -DVORRITH_FUZZ=OFF) ;;
    fuzz) export CC=clang CXX=clang++
          options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORRITH_TESTS=OFF -DVORRITH_BENCHMARKS=OFF
                   -DVORRITH_SANITIZE=ON -DVORRITH_FUZZ=ON) ;;
    win-i686 | win-x86_64)
        options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-mingw-${kind#win-}.cmake"
                 -DVORRITH_TESTS=ON -DVORRITH_BENCHMARKS=OFF -DVORRITH_SANITIZE=OFF -DVORRITH_FUZZ=OFF) ;;
    web) options=(-DCMAKE_BUILD_TYPE=Release -DVORRITH_TESTS=OFF -DVORRITH_BENCHMARKS=OFF
                  -DVORRITH_SANITIZE=OFF -DVORRITH_FUZZ=OFF)
         configure=(emcmake cmake) ;;  # Emscripten's wrapper adds its toolchain
    *) echo "tools/configure.sh: unknown build kind '$kind'" >&2; exit 2 ;;
esac

# CMake keeps the compiler of a folder's first configure: when the toolchain file now
# names another one (a changed thread model), start the folder's cache afresh.
recorded=("$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake)
if [[ "$kind" == win-* ]] && [ -f "${recorded[0]}" ]; then
    compiler="$(sed -n 's/^set(CMAKE_CXX_COMPILER \(.*\))$/\1/p' "$here/cmake/toolchain-mingw-${kind#win-}.cmake")"
    if ! grep -q "^set(CMAKE_CXX_COMPILER \".*/$compiler\")" "${recorded[@]}"; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    fi
fi
"${configure[@]}" -S "$here" -B "$dir" -G Ninja "${options[@]}" >/dev/null
