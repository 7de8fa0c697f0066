#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs a bounded
# pass of the compound-file reader fuzzer, starting from the committed seeds
# in fuzz/corpus/compound. New inputs go to build/fuzz/corpus/compound, crash
# inputs to build/fuzz/artifacts/. Exit status is the fuzzer's (non-zero on a
# crash, a hang over 10 s, or a leak).
#   FUZZ_SECONDS  time budget (default 60)
#   FUZZ_RUNS     input budget (default 5000000); whichever ends first
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
seconds="${FUZZ_SECONDS:-60}"
runs="${FUZZ_RUNS:-5000000}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target compound_fuzz

work="$build/corpus/compound"
mkdir -p "$work" "$build/artifacts"
"$build/fuzz/compound_fuzz" -max_total_time="$seconds" -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    "$work" "$root/fuzz/corpus/compound"
echo "fuzz: compound_fuzz finished without findings"
