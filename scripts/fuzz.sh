#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs a bounded
# pass of each, starting from the committed seeds in fuzz/corpus/<target>:
# the compound-file reader, then trigger dispatch (user lines through the
# intake, requests, sends and flood control, with no command built from user
# text allowed to split, break a line or be evaluated by the host). New inputs
# go to build/fuzz/corpus/<target>, crash inputs to build/fuzz/artifacts/.
# Exit status is non-zero on a crash, a hang over 10 s, or a leak.
#   FUZZ_SECONDS           time budget of the compound-file pass (default 60)
#   DISPATCH_FUZZ_SECONDS  time budget of the dispatch pass (default 25)
#   FUZZ_RUNS              input budget of each pass (default 5000000);
#                          whichever ends first
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
runs="${FUZZ_RUNS:-5000000}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "${QVS_JOBS:-2}" --target compound_fuzz dispatch_fuzz

run() {  # target, seed folder, seconds, longest input
  local work="$build/corpus/$2"
  mkdir -p "$work" "$build/artifacts"
  "$build/fuzz/$1" -max_total_time="$3" -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$4" -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
      "$work" "$root/fuzz/corpus/$2"
  echo "fuzz: $1 finished without findings"
}

run compound_fuzz compound "${FUZZ_SECONDS:-60}" 65536
run dispatch_fuzz dispatch "${DISPATCH_FUZZ_SECONDS:-25}" 4096
