#!/usr/bin/env bash
# Checks every #include against the layering the libraries declare. Each source folder's
# CMakeLists.txt declares its library, vorrith_library(NAME [PICTURE] LINKS lib...), and
# that is the one place the folder order is written: a file may include its own folder and
# the folders its library links, directly or through them. Tests and benchmarks are
# checked too (tests/X may include what X may, and tests/support). Fails on an include
# outside that, on a folder of sources that no library declares and no rule covers, and on
# a platform header in a picture library. Needs no build folder.
# Usage: tools/check-includes.sh [--order] [ROOT]   (--order prints the declared libraries)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
print_order=0
if [ "${1:-}" = --order ]; then print_order=1; shift; fi
cd "${1:-$here/..}"

# Build folders, installed node modules, hidden folders and the tools' scripts are no part
# of the layering; tools/lib/include-rules.awk holds the rules of the other folders that
# declare no library (tests/support, resources ...).
not_sources=(\( -name 'build*' -o -name node_modules -o -name '.?*' -o -path ./tools \) -prune)
mapfile -t declaring < <(find . "${not_sources[@]}" -o -path ./tests -prune -o -path ./bench -prune \
    -o -name CMakeLists.txt -print | sort)
if [ "${#declaring[@]}" -eq 0 ]; then
    echo "FAILED: no CMakeLists.txt under $(pwd)"
    exit 1
fi
if ! declarations="$(awk -f "$here/lib/library-declarations.awk" "${declaring[@]}")"; then
    echo "FAILED: the library declarations above cannot be read"
    exit 1
fi
if [ "$print_order" = 1 ]; then
    echo "# folder library picture|- links"
    echo "$declarations"
    exit 0
fi

if ! find . "${not_sources[@]}" -o \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) -print | sort |
    VORRITH_LIBRARIES="$declarations" awk -f "$here/lib/include-rules.awk"; then
    echo "FAILED: the includes above break the declared layering"
    exit 1
fi
echo "Layering holds: every include stays within what its folder's library links"
