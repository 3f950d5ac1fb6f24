#!/usr/bin/env bash
# Fails on an #include that points up the folder order, or sideways between folders of
# one level:  core < layers/shapes < layers/sky|bodies|ground < scene < present <
# saver, cli, web < win32 (which alone may include resources/). The include directory is the
# repository's root, so such a header would compile: this check is what catches it.
# Usage: tools/check-includes.sh [ROOT]   (default: this repository)
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

level() {
    case "$1" in
        core) echo 0 ;;
        layers/shapes) echo 1 ;;
        layers/sky | layers/bodies | layers/ground) echo 2 ;;
        scene) echo 3 ;;
        present) echo 4 ;;
        saver | cli | web) echo 5 ;;
        win32) echo 6 ;;
        *) echo -1 ;;
    esac
}

folder_of() {
    case "$1" in
        layers/*) echo "$1" | cut -d/ -f1-2 ;;
        *) echo "$1" | cut -d/ -f1 ;;
    esac
}

allowed() {  # from-folder to-folder
    local from="$1" to="$2"
    [ "$from" = "$to" ] && return 0
    [ "$to" = resources ] && { [ "$from" = win32 ]; return; }
    local from_level to_level
    from_level=$(level "$from") to_level=$(level "$to")
    [ "$to_level" -ge 0 ] && [ "$to_level" -lt "$from_level" ]
}

bad=0
while IFS= read -r file; do
    from=$(folder_of "$file")
    [ "$(level "$from")" -ge 0 ] || continue
    while IFS=: read -r line header; do
        to=$(folder_of "$header")
        if ! allowed "$from" "$to"; then
            echo "$file:$line: includes \"$header\" ($to may not be included from $from)"
            bad=$((bad + 1))
        fi
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$file" | sed -E 's/^([0-9]+):.*"([^"]+)"/\1:\2/')
done < <(find core layers scene present saver cli web win32 -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)

if [ "$bad" -gt 0 ]; then
    echo "FAILED: $bad include(s) against the folder order"
    exit 1
fi
echo "Layering holds: every include points down the folder order"
