#!/usr/bin/env bash
# The shipped DLLs: build/win32/qvs.dll and the event relay qvsrelay.dll must
# be PE32 i386 DLLs that export their entry points under their plain names
# and need nothing beside the system's own DLLs.
set -uo pipefail
cd "$(dirname "$0")/.."
cmake --preset win32 >/dev/null || exit 1
cmake --build --preset win32 -j "${QVS_JOBS:-2}" --target qvs qvsrelay hostsim || exit 1

passed=0 failed=0
check() {  # description, condition status
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); echo "PASS $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}

check_dll() {  # file, exports...
  local dll=build/win32/$1 name=$1 headers imports unexpected export
  shift
  headers=$(i686-w64-mingw32-objdump -p "$dll")
  grep -q '^architecture: i386' <<<"$(i686-w64-mingw32-objdump -f "$dll")"
  check "$name is i386" $?
  grep -q 'Magic.*010b' <<<"$headers"
  check "$name is PE32" $?
  for export in "$@"; do
    grep -qE "^\s+\[ *[0-9]+\] $export\$" <<<"$headers"
    check "$name export $export, undecorated" $?
  done
  imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
  unexpected=$(grep -vE '^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|comctl32|comdlg32|dbghelp|msvcrt|ws2_32|api-ms-win-.*)\.dll$' <<<"$imports")
  [ -z "$unexpected" ]
  check "$name imports only system DLLs${unexpected:+ (not: $unexpected)}" $?
}

check_dll qvs.dll InitDLL LoadDll ShowPanel GethWnd GetValue _ListGen UnloadDll
# The relay's exports are the ones its .def file names, which the companion
# script's lint checks its calls against.
mapfile -t relay_exports < <(awk 'NR > 1 && NF { print $1 }' src/relay_win32/qvsrelay.def)
check_dll qvsrelay.dll "${relay_exports[@]}"
# The relay must not pin the module: it looks it up, never loads it (the
# runtime itself imports LoadLibrary, so the sources are what tells).
! grep -rqE 'LoadLibrary(Ex)?[AW]?[[:space:]]*\(' src/relay_win32 src/relay
check "the relay never loads a library itself" $?

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
