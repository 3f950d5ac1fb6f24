#!/usr/bin/env bash
# The main job: installs what is missing, builds the native renderer, the X11 saver, the
# wallpaper command, the Windows screensaver and the web page, and renders picture 12345
# as Vorrith12345.Bmp in the current folder.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(pwd)"

"$here/tools/install-deps.sh" all
"$here/tools/configure.sh" native
cmake --build "$here/build/native" -j2 --target vorrith-render vorrith-saver vorrith-wallpaper
(cd "$out" && "$here/build/native/vorrith-render" 12345)
echo "Rendered $out/Vorrith12345.Bmp"
if [ -x "$here/tools/build-windows.sh" ]; then "$here/tools/build-windows.sh"; fi
"$here/tools/build-web.sh"
