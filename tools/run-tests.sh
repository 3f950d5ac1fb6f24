#!/usr/bin/env bash
# The whole test suite: installs what is missing, then runs the native tests in a normal
# build and in a sanitised one (any finding fails), each followed by the X11 saver on
# virtual displays and under the screensaver daemon, the web page's tests in headless
# Chromium, and the Windows tests under Wine.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

"$here/tools/install-deps.sh" all

run_native() {  # build kind
    local name="$1"
    local dir="$here/build/$name"
    echo "== native tests: $name"
    "$here/tools/configure.sh" "$name"
    cmake --build "$dir" -j2
    ctest --test-dir "$dir" -j2 --output-on-failure --timeout 900
}

run_native native
"$here/tools/run-xsaver-tests.sh" "$here/build/native"
run_native sanitized
"$here/tools/run-xsaver-tests.sh" "$here/build/sanitized"

echo "== fuzz targets: corpus replay and a brief fixed-seed run"
"$here/tools/configure.sh" fuzz
cmake --build "$here/build/fuzz" -j2
ctest --test-dir "$here/build/fuzz" -j2 --output-on-failure --timeout 300

"$here/tools/run-web-tests.sh"
"$here/tools/run-windows-tests.sh"
echo "== same pictures in the native and the Windows build"
"$here/tools/compare-builds.sh"
echo "All test runs passed."
