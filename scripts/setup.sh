#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test the module:
# the MinGW-w64 i686 cross compiler, Wine with its 32-bit part, Xvfb, zlib
# for both targets, a 32-bit Wine prefix, and the IRC server and client of
# the end-to-end tests (ngircd, weechat-headless). Safe to run again.
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
         wine wine32:i386 wine64 xvfb xauth unzip python3-olefile clang libclang-rt-dev \
         ngircd weechat-headless weechat-plugins; do
  want "$p"
done

# Packages may not start services while they install (ngircd's would listen
# on every address); a policy already in place is left as it is.
policy=/usr/sbin/policy-rc.d
if [ ${#need_pkgs[@]} -gt 0 ]; then
  own_policy=
  [ -e "$policy" ] || { printf '#!/bin/sh\nexit 101\n' | as_root tee "$policy" >/dev/null; as_root chmod 755 "$policy"; own_policy=1; }
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need_pkgs[@]}"
  [ -z "$own_policy" ] || as_root rm -f "$policy"
fi

# The end-to-end tests start their own IRC server on 127.0.0.1; the system
# service of the package stays stopped and disabled.
if [ -d /run/systemd/system ]; then
  as_root systemctl disable --now ngircd >/dev/null 2>&1 || true
fi
if [ -x /etc/init.d/ngircd ]; then
  as_root /etc/init.d/ngircd stop >/dev/null 2>&1 || true
  as_root update-rc.d ngircd disable >/dev/null 2>&1 || true
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
