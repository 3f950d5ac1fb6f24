#!/usr/bin/env bash
# Times the web page against the native renderer (the web tests' speed test alone: each
# reference picture from setting the address to its pixels on the canvas, against
# vorrith-render --jobs 1 --dry-run over the same numbers) and fails when the page takes
# more than MAX_RATIO times as long per picture. Timing says little on a busy machine:
# run it on a quiet one. Needs the builds tools/run-web-tests.sh makes.
# Usage: tools/check-web-speed.sh [MAX_RATIO]   (1.5 by default)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
max_ratio="${1:-1.5}"

cd "$here/tests/web"
node --test --test-reporter=tap --test-name-pattern='^speed:' page_test.mjs
speed="$here/build/web/test-output/speed.json"
node -e '
const [file, max] = process.argv.slice(1);
const { ratio } = JSON.parse(require("fs").readFileSync(file, "utf8"));
if (!(ratio <= Number(max))) {
  console.error(`tools/check-web-speed.sh: the page takes ${ratio.toFixed(2)} times the native time per picture, over ${max}`);
  process.exit(1);
}
console.log(`The page takes ${ratio.toFixed(2)} times the native time per picture (at most ${max}).`);
' "$speed" "$max_ratio"
