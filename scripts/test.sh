#!/usr/bin/env bash
# Every test: the include check of the source floors (and a test of the
# check), the companion script's lint, the native suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, bounded fuzz passes over
# the compound-file reader and trigger dispatch, the shipped 32-bit module's
# headers and exports, and the Windows build of the module exercised under
# Wine, and the pictures of the panel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

python3 scripts/check-layers.py
python3 scripts/check_layers_test.py
python3 scripts/lint-script.py

jobs=$(nproc)
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
ctest --test-dir build/native-asan --output-on-failure -j "$jobs"

bash scripts/fuzz.sh

bash scripts/check-dll.sh
bash scripts/test-wine.sh
# A picture of every page and window of the panel, into build/<preset>/pictures/.
bash scripts/pictures.sh
