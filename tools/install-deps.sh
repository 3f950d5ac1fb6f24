#!/usr/bin/env bash
# Installs what building and testing Vorrith needs on Debian 12, as root; quick when
# everything is already there. Usage: tools/install-deps.sh [native|windows|all]
set -euo pipefail

want="${1:-all}"
native=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev)
windows=(g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64 wine wine64 xvfb xauth)

packages=("${native[@]}")
if [ "$want" != native ]; then packages+=("${windows[@]}"); fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "$want" != native ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    missing+=(wine32:i386)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$want" != native ]; then dpkg --add-architecture i386; fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
