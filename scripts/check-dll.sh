#!/usr/bin/env bash
# The shipped module: build/win32/qvs.dll must be a PE32 i386 DLL that
# exports the host's entry points under their plain names and needs nothing
# beside the system's own DLLs.
set -uo pipefail
cd "$(dirname "$0")/.."
cmake --preset win32 >/dev/null || exit 1
cmake --build --preset win32 -j "${QVS_JOBS:-2}" --target qvs hostsim || exit 1

dll=build/win32/qvs.dll
headers=$(i686-w64-mingw32-objdump -p "$dll")
passed=0 failed=0
check() {  # description, condition status
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); echo "PASS $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}

grep -q '^architecture: i386' <<<"$(i686-w64-mingw32-objdump -f "$dll")"
check "qvs.dll is i386" $?
grep -q 'Magic.*010b' <<<"$headers"
check "qvs.dll is PE32" $?
for export in InitDLL LoadDll ShowPanel GethWnd GetValue _ListGen UnloadDll; do
  grep -qE "^\s+\[ *[0-9]+\] $export\$" <<<"$headers"
  check "export $export, undecorated" $?
done
imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
unexpected=$(grep -vE '^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|comctl32|comdlg32|dbghelp|msvcrt|ws2_32|api-ms-win-.*)\.dll$' <<<"$imports")
[ -z "$unexpected" ]
check "imports only system DLLs${unexpected:+ (not: $unexpected)}" $?

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
