#!/usr/bin/env bash
# Builds the web page, build/web/index.html, with Emscripten (tools/install-deps.sh web
# installs it).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

if ! command -v emcmake >/dev/null; then
    echo "tools/build-web.sh: Emscripten is missing; run tools/install-deps.sh web (as root)" >&2
    exit 1
fi
# Emscripten's optimiser runs on the machine's node, which must find Debian's acorn.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
"$here/tools/configure.sh" web
cmake --build "$here/build/web" -j2
echo "Built the web page: $here/build/web/index.html (index.html#12345 shows picture 12345)"
