#!/usr/bin/env bash
# The README's two commands on a machine that has nothing installed: each
# must install first and only then reach for what the installation brings
# (xvfb-run for the demo, cmake for the tests). The package tools, sudo and
# the first installed tools are stand-ins that write down when they run.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/prefix"
touch "$scratch/prefix/system.reg"  # the Wine prefix is not what is tested here

stub() {  # name, what it does after writing down its call
  printf '#!/usr/bin/env bash\necho "%s $*" >>"%s/calls"\n%s\n' "$1" "$scratch" "$2" >"$scratch/bin/$1"
  chmod +x "$scratch/bin/$1"
}
stub dpkg '[ "$1" = -s ] && exit 1; exit 0'  # nothing installed, no foreign architecture
stub apt-get 'exit 0'
stub update-alternatives 'exit 0'
stub sudo 'exec "$@"'
stub xvfb-run 'exit 0'
stub cmake 'exit 1'

failed=0
check() {  # README command, the first tool it needs from the installation
  : >"$scratch/calls"
  env -u DISPLAY PATH="$scratch/bin:$PATH" WINEPREFIX="$scratch/prefix" bash "$root/$1" >/dev/null 2>&1
  local installed needed
  installed=$(grep -n '^apt-get .*install.* xvfb ' "$scratch/calls" | head -n 1 | cut -d: -f1)
  needed=$(grep -n "^$2" "$scratch/calls" | head -n 1 | cut -d: -f1)
  if [ -n "$installed" ] && [ -n "$needed" ] && [ "$installed" -lt "$needed" ]; then
    echo "PASS $1 installs before it calls $2"
  else
    failed=1
    echo "FAIL $1: calls were"
    sed 's/^/    /' "$scratch/calls"
  fi
}
check scripts/demo.sh xvfb-run
check scripts/test.sh cmake
exit $failed
