#!/usr/bin/env bash
# A picture of every page and window of the panel, taken under Xvfb by
# hostsim playing tests/wine/pictures/pictures.scn with a sample
# configuration, written as PNG files into build/<preset>/pictures/.
# Look at them whenever the panel changes: text that does not fit,
# overlapping controls and wasted margins show there first.
#
# Usage: scripts/pictures.sh   (QVS_WINE_BUILD=<folder> uses a build made already)
set -uo pipefail
cd "$(dirname "$0")/.."
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
source scripts/wine-env.sh

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=win32 loader=/usr/lib/wine/wine
else
  preset=win64 loader=$QVS_WINE
fi
build=${QVS_WINE_BUILD:-build/$preset}
if [ -z "${QVS_WINE_BUILD:-}" ]; then
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "${QVS_JOBS:-2}" --target qvs hostsim || exit 1
fi
timeout 60 "$QVS_WINESERVER" -w

windows_path() { echo "Z:$1" | tr / '\\'; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp tests/wine/pictures/pictures.scn "$scratch/"
bash scripts/fixtures.sh "$scratch/fixtures" >"$scratch/fixtures.log" 2>&1 || { cat "$scratch/fixtures.log"; exit 1; }
mkdir -p "$scratch/module"
cp "$build/qvs.dll" "$scratch/module/"
timeout 300 "$loader" "$build/hostsim.exe" "$(windows_path "$scratch/module/qvs.dll")" \
  "$(windows_path "$scratch/pictures.scn")" >"$scratch/pictures.log" 2>&1
status=$?
timeout 60 "$QVS_WINESERVER" -w

out="$build/pictures"
mkdir -p "$out"
python3 scripts/bmp_to_png.py "$scratch/module/pictures" "$out" || status=1
[ "$status" -eq 0 ] || cat "$scratch/pictures.log"
echo "pictures in $out: $(ls "$out" | wc -l) files; $(tail -n 1 "$scratch/pictures.log")"
exit "$status"
