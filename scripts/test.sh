#!/usr/bin/env bash
# Every test: the native suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, a bounded fuzz pass over the compound-file
# reader, and the Windows build of the module exercised under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
ctest --test-dir build/native-asan --output-on-failure -j "$jobs"

if [ -x scripts/fuzz.sh ] || [ -f scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh
fi

if [ -f scripts/test-wine.sh ]; then
  bash scripts/test-wine.sh
fi
