#!/usr/bin/env bash
# Writes the fixture sets of the Wine scenarios and the demo into FOLDER
# (tests/tools/sample_configuration.cpp tells what they hold) and the files
# they serve into the Wine prefix's C:\qvs-served\, the folder their lists
# name. Builds the native fixture writer first: in the sanitized build when
# one is configured, else in the plain native build.
#
# Usage: scripts/fixtures.sh FOLDER
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
folder=${1:?usage: scripts/fixtures.sh FOLDER}

if [ -f build/native-asan/CMakeCache.txt ]; then
  preset=native-asan
else
  preset=native
  cmake --preset native >/dev/null || exit 1
fi
# Quiet unless the build fails.
if ! built=$(cmake --build --preset "$preset" -j "${QVS_JOBS:-2}" --target sample_configuration 2>&1); then
  echo "$built"
  exit 1
fi
"build/$preset/sample_configuration" "$folder" "$WINEPREFIX/drive_c/qvs-served"
