#!/usr/bin/env bash
# The include check fails closed: on a small tree with one fault of each kind it names
# each fault, and nothing else, and fails.
# Usage: tests/tools/check-includes-test.sh CHECK_SCRIPT
set -euo pipefail
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/core" "$tree/scene" "$tree/stray" "$tree/tests/scene"
echo 'vorrith_library(vorrith_core PICTURE)' >"$tree/core/CMakeLists.txt"
echo 'vorrith_library(vorrith_scene PICTURE LINKS vorrith_core)' >"$tree/scene/CMakeLists.txt"
printf '#include <vector>\n#include <unistd.h>\n#include "scene/plan.h"\n' >"$tree/core/surface.h"
printf '#include <emmintrin.h>\n#include <wasm_simd128.h>\n#include "core/surface.h"\n' >"$tree/scene/plan.h"
echo '#include "core/surface.h"' >"$tree/stray/stray.cpp"
printf '#include "scene/plan.h"\n#include "stray/stray.cpp"\n' >"$tree/tests/scene/plan_test.cpp"

faults=(
    'core/surface.h:2: includes <unistd.h>, but core is a picture library'
    'core/surface.h:3: includes "scene/plan.h" (scene may not be included from core)'
    'stray/: holds sources, but no vorrith_library declares this folder'
    'tests/scene/plan_test.cpp:2: includes "stray/stray.cpp", which lies in no declared folder'
)
if output="$("$1" "$tree")"; then
    echo "The check passed a tree with faults:"
    echo "$output"
    exit 1
fi
for fault in "${faults[@]}"; do
    grep -qF -- "$fault" <<<"$output" || { echo "Not reported: $fault"; echo "$output"; exit 1; }
done
if [ "$(grep -c '' <<<"$output")" -ne $((${#faults[@]} + 1)) ]; then
    echo "Reported more than the faults:"
    echo "$output"
    exit 1
fi
echo "The include check reports every fault of the sample tree"
