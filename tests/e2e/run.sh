#!/usr/bin/env bash
# The end-to-end run: a real IRC server (ngircd, on 127.0.0.1 only, with a
# configuration of its own), the module in hostsim's live mode under Wine
# through the real event relay, weechat-headless and scripted requesters
# (tests/e2e/e2e.py). Prints "N passed, M failed" and fails when anything
# failed. Every process it starts is stopped by its process id, on failure
# too. Options go to e2e.py: --only NAME..., --load (the load run).
set -uo pipefail
cd "$(dirname "$0")/../.."
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
source scripts/wine-env.sh

qvs_need_display "$0" "$@"

qvs_build_wine_targets qvs qvsrelay hostsim || exit 1

scratch=$(mktemp -d)
pids="$scratch/pids"
stop_all() {
  # What e2e.py started and could not stop itself (it was killed).
  [ -f "$pids" ] && while read -r pid; do kill "$pid" 2>/dev/null; done <"$pids"
  rm -rf "$scratch"
}
trap stop_all EXIT

bash scripts/fixtures.sh "$scratch/fixtures" >"$scratch/fixtures.log" 2>&1 || { cat "$scratch/fixtures.log"; exit 1; }
timeout -s TERM "${QVS_E2E_LIMIT:-900}" python3 tests/e2e/e2e.py "$QVS_LOADER" "$QVS_BUILD" "$scratch/fixtures/live" \
  "$WINEPREFIX" --pids "$pids" "$@"
