#!/usr/bin/env bash
# The web page's tests in headless Chromium: builds the native renderer (the pictures to
# compare with) and the page, installs the test's npm packages from the lockfile, runs
# them. Screenshots and the saved files go to build/web/test-output/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

"$here/tools/configure.sh" native
cmake --build "$here/build/native" -j2 --target vorrith-render
"$here/tools/build-web.sh"

cd "$here/tests/web"
if [ ! -d node_modules ] || ! npm ls --silent >/dev/null 2>&1; then
    npm ci --no-audit --no-fund --silent
fi
echo "== web page tests"
rm -rf "$here/build/web/test-output"
# One file at a time: each drives its own Chromium, and the timings want a quiet machine.
node --test --test-concurrency=1 --test-reporter=tap page_test.mjs gallery_test.mjs
