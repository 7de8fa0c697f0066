#!/usr/bin/env bash
# The Windows build under Wine: the structured-storage, configuration and
# profile cross-checks, the list archiver, the dialog framework check, the event relay's check against
# a stand-in of the module, and every hostsim scenario of tests/wine/scenarios,
# each with a fresh copy of the module in a folder of its own and a time
# limit, played once with hostsim posting the events itself and once each
# through the real relay DLL as an old (6.31) and a new (7.64) host calls it.
# The scenarios run from a scratch copy beside freshly written fixtures
# (scripts/fixtures.sh). Ends with "N passed, M failed" and fails when
# anything failed.
#
# QVS_ONLY=<pattern> plays only the scenarios whose name matches the shell
# pattern (QVS_ONLY='panel*'), directly and through the relay, and skips the
# cross-checks; QVS_DIRECT=1 plays them only directly.
set -uo pipefail
cd "$(dirname "$0")/.."
# Crashes end the program at once instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
source scripts/wine-env.sh

# Windows programs need a display; run again inside a virtual one.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$0" "$@"
fi

# The shipped module is 32-bit; where the kernel cannot run 32-bit code
# (the 32-bit loader fails to start) the same sources run as 64-bit.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=win32 loader=/usr/lib/wine/wine
else
  preset=win64 loader=$QVS_WINE
fi
# QVS_WINE_BUILD names a folder already built for that architecture.
build=${QVS_WINE_BUILD:-build/$preset}
if [ -z "${QVS_WINE_BUILD:-}" ]; then
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "${QVS_JOBS:-2}" --target qvs qvsrelay hostsim storage_crosscheck config_crosscheck dialog_check framework_check relay_check module_standin pkzipc profile_crosscheck || exit 1
fi

# A server left from another display would keep our windows from appearing.
timeout 60 "$QVS_WINESERVER" -w

windows_path() { echo "Z:$1" | tr / '\\'; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0 failed=0

report() {  # name, status, log
  if [ "$2" -eq 0 ]; then
    passed=$((passed + 1)); echo "PASS $1: $(tail -n 1 "$3")"
  else
    failed=$((failed + 1)); echo "FAIL $1 (exit $2)"; sed 's/^/    /' "$3"
  fi
}

only=${QVS_ONLY:-}
[ -n "$only" ] && checks=() || checks=(storage_crosscheck config_crosscheck profile_crosscheck dialog_check framework_check)
for check in "${checks[@]}"; do
  mkdir -p "$scratch/$check"
  timeout 120 "$loader" "$build/$check.exe" "$(windows_path "$scratch/$check")" >"$scratch/$check.log" 2>&1
  report "$check" $? "$scratch/$check.log"
done

# The relay finds the module by its file name: the stand-in is a qvs.dll.
if [ -z "$only" ]; then
mkdir -p "$scratch/relay_check"
cp "$build/standin/qvs.dll" "$build/qvsrelay.dll" "$scratch/relay_check/"
timeout 120 "$loader" "$build/relay_check.exe" "$(windows_path "$scratch/relay_check/qvs.dll")" \
  "$(windows_path "$scratch/relay_check/qvsrelay.dll")" >"$scratch/relay_check.log" 2>&1
report relay_check $? "$scratch/relay_check.log"

# The list archiver as the module starts it, its archives read by unzip -t
# and Python's zipfile.
timeout 300 python3 tests/native/pkzipc_check.py --wine "$loader" "$build/pkzipc.exe" >"$scratch/pkzipc.log" 2>&1
report pkzipc $? "$scratch/pkzipc.log"
fi

mkdir -p "$scratch/scenarios"
cp tests/wine/scenarios/*.scn "$scratch/scenarios/"
# Scenarios that name it ("script qvs.mrc") follow the companion script itself.
cp script/qvs.mrc "$scratch/scenarios/"
bash scripts/fixtures.sh "$scratch/scenarios/fixtures" >"$scratch/fixtures.log" 2>&1 ||
  report fixtures $? "$scratch/fixtures.log"

relays=(direct old new)
[ -n "${QVS_DIRECT:-}" ] && relays=(direct)
for scenario in "$scratch"/scenarios/*.scn; do
  # shellcheck disable=SC2053
  [ -z "$only" ] || [[ $(basename "$scenario" .scn) == $only ]] || continue
  for relay in "${relays[@]}"; do
    name=$(basename "$scenario" .scn)
    [ "$relay" = direct ] || name="$name, relay $relay"
    folder="$scratch/$(basename "$scenario" .scn)-$relay"
    mkdir -p "$folder" && cp "$build/qvs.dll" "$build/qvsrelay.dll" "$folder/"
    relay_args=()
    [ "$relay" = direct ] || relay_args=("$(windows_path "$folder/qvsrelay.dll")" "$relay")
    timeout 120 "$loader" "$build/hostsim.exe" "$(windows_path "$folder/qvs.dll")" \
      "$(windows_path "$scenario")" "${relay_args[@]}" >"$folder.log" 2>&1
    report "$name" $? "$folder.log"
  done
done

timeout 60 "$QVS_WINESERVER" -w
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
