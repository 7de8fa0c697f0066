#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test the module:
# the MinGW-w64 i686 cross compiler, Wine with its 32-bit part, Xvfb, zlib
# for both targets, and a 32-bit Wine prefix. Safe to run again.
set -euo pipefail

need_pkgs=()
want() { dpkg -s "$1" >/dev/null 2>&1 || need_pkgs+=("$1"); }
# Installing takes root; an ordinary user is asked through sudo.
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi

for p in cmake g++ ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev \
         g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev libz-mingw-w64-dev zlib1g-dev \
         wine wine32:i386 wine64 xvfb xauth unzip python3-olefile clang libclang-rt-dev; do
  want "$p"
done

if [ ${#need_pkgs[@]} -gt 0 ]; then
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need_pkgs[@]}"
fi

# posix threads model so std::thread and friends work in the Windows build
for alt in i686-w64-mingw32-g++ i686-w64-mingw32-gcc x86_64-w64-mingw32-g++ x86_64-w64-mingw32-gcc; do
  target=/usr/bin/${alt}-posix
  [ -x "$target" ] && [ "$(readlink -f "/usr/bin/$alt")" != "$target" ] &&
    { as_root update-alternatives --set "$alt" "$target" >/dev/null 2>&1 || true; }
done

# A 64-bit prefix: it runs the 64-bit test build everywhere and, where the
# kernel executes 32-bit code, the shipped 32-bit module too.
source "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$QVS_WINE" wineboot --init >/dev/null 2>&1 || true
  "$QVS_WINESERVER" -w || true
fi
echo "setup: ready"
