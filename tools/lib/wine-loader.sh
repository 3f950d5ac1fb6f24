# Sourced by the Wine test scripts. Debian's wine, wine-stable and the wineboot/winecfg
# launchers take the 32-bit loader whenever wine32 is installed, even on a kernel that
# cannot run 32-bit programs ("Exec format error"). use_wine64_loader puts launchers that
# run the 64-bit loader first on PATH, so prefixes are made and programs run by wine64.
wine32_runs() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

use_wine64_loader() {  # folder for the launchers
    local shims="$1" name
    mkdir -p "$shims"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/$name"
        chmod +x "$shims/$name"
    done
    export PATH="$shims:$PATH" WINELOADER=/usr/lib/wine/wine64
}
