# Sourced by the scripts that run Windows programs: one Wine prefix for the
# project, and the 64-bit loader called directly (the Debian wrapper picks
# the 32-bit loader, which needs a kernel that runs 32-bit code).
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-qvs}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
QVS_WINE=/usr/lib/wine/wine64
QVS_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$QVS_WINE" ] || QVS_WINE=$(command -v wine)
[ -x "$QVS_WINESERVER" ] || QVS_WINESERVER=$(command -v wineserver)
export QVS_WINE QVS_WINESERVER

# The shipped module is 32-bit; where the kernel cannot run 32-bit code
# (the 32-bit loader fails to start) the same sources run as 64-bit. Sets
# QVS_PRESET and QVS_LOADER.
qvs_pick_wine_build() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    QVS_PRESET=win32 QVS_LOADER=/usr/lib/wine/wine
  else
    QVS_PRESET=win64 QVS_LOADER=$QVS_WINE
  fi
}

# Builds the named targets for that architecture, unless QVS_WINE_BUILD names
# a folder already built for it; sets QVS_BUILD to the folder.
qvs_build_wine_targets() {
  qvs_pick_wine_build
  QVS_BUILD=${QVS_WINE_BUILD:-build/$QVS_PRESET}
  [ -z "${QVS_WINE_BUILD:-}" ] || return 0
  cmake --preset "$QVS_PRESET" >/dev/null &&
    cmake --build --preset "$QVS_PRESET" -j "${QVS_JOBS:-2}" --target "$@"
}

# Windows programs need a display: with none, the calling script runs again
# inside a virtual one (call with "$0" "$@").
qvs_need_display() {
  [ -n "${DISPLAY:-}" ] || exec xvfb-run -a "$@"
}
