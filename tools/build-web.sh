#!/usr/bin/env bash
# Builds the web page, build/web/index.html, with Emscripten. Expects what
# tools/install-deps.sh web installs.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

# Debian's Emscripten runs its JavaScript optimiser with the machine's node, which must
# find Debian's JavaScript modules (acorn) there.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S "$here" -B "$here/build/web" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVORRITH_TESTS=OFF -DVORRITH_BENCHMARKS=OFF >/dev/null
cmake --build "$here/build/web" -j2
echo "Built the web page: $here/build/web/index.html (open it, or index.html#12345 for picture 12345)"
