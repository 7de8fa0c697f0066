#!/usr/bin/env bash
# The module serving a file inside a simulated host, as a transcript: the
# host has the list of a sample folder made (_ListGen), the channel is shown
# an advertisement and a user gets it by its trigger word, searches the list
# for two words, asks for a file, is told his place and that the file is on
# its way, asks where his second file stands ("-que"), the send starts and
# completes, and the channel's statistics and top list count it
# (tools/hostsim/demo.scn). Builds what it needs first and
# writes the demo's configuration as the tests do (scripts/fixtures.sh).
set -uo pipefail
cd "$(dirname "$0")/.."
# Setup first: xvfb-run, Wine and the compilers below all come from it. Run
# again inside the virtual display, it only finds everything in place.
bash scripts/setup.sh >/dev/null || exit 1
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
source scripts/wine-env.sh
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$0" "$@"
fi

# The shipped module is 32-bit; without 32-bit support the 64-bit build runs.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=win32 loader=/usr/lib/wine/wine
else
  preset=win64 loader=$QVS_WINE
fi
cmake --preset "$preset" >/dev/null || exit 1
cmake --build --preset "$preset" -j "${QVS_JOBS:-2}" --target qvs hostsim >/dev/null || exit 1

# The module, the demo and its fixtures in one scratch folder.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "build/$preset/qvs.dll" tools/hostsim/demo.scn "$folder/"
bash scripts/fixtures.sh "$folder/fixtures" || exit 1
timeout 60 "$QVS_WINESERVER" -w
timeout 120 "$loader" "build/$preset/hostsim.exe" "Z:$(echo "$folder/qvs.dll" | tr / '\\')" \
  "Z:$(echo "$folder/demo.scn" | tr / '\\')"
status=$?
timeout 60 "$QVS_WINESERVER" -w
exit $status
