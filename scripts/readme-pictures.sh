#!/usr/bin/env bash
# Refreshes the panel pictures the README shows (docs/pictures/panel-*.png)
# from a new run of the pictures script. Run it whenever the panel changes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pictures.sh
out=$(ls -td build/win*/pictures | head -n 1)
mkdir -p docs/pictures
for name in main queues-regular options-sharing; do
  cp "$out/$name.png" "docs/pictures/panel-$name.png"
done
echo "readme-pictures: docs/pictures/panel-*.png refreshed from $out"
