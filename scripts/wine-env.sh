# Sourced: a private Wine prefix for the Windows tests of one build folder, so that they never
# touch ~/.wine and a broken prefix is gone with `rm -rf build/<preset>`.
#
#   use_wine_prefix build/win64 win64   # or: build/win32 win32
#
# exports WINEPREFIX=<build folder>/wine-prefix, WINEARCH and WINEDEBUG=-all, and creates the
# prefix on first use (wineboot, about ten seconds). The test presets of CMakePresets.json name the
# same prefix, so `ctest --preset win64` runs in it too. Windows are shown on $DISPLAY when there is
# one (scripts/virtual-display.sh); the unit tests open no window and need none.
# stop_wine_prefix ends the prefix's wineserver and whatever still runs in it.
use_wine_prefix() {
  local build_dir=$1 arch=$2
  mkdir -p "$build_dir"
  export WINEPREFIX
  WINEPREFIX="$(cd "$build_dir" && pwd)/wine-prefix"
  export WINEARCH=$arch
  export WINEDEBUG=-all
  # No prompts to install Mono or Gecko: the tests need neither.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  local loader=/usr/lib/wine/wine64
  [ "$arch" = win32 ] && loader=/usr/lib/wine/wine
  if [ ! -x "$loader" ]; then
    echo "No Wine loader at $loader" >&2
    return 1
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    "$loader" wineboot --init >/dev/null 2>&1 || true
    wine_server -w
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wineboot did not create $WINEPREFIX" >&2
      return 1
    fi
  fi
}

# The wineserver of the installed loaders (Debian's wrapper picks the 64-bit or the 32-bit one).
wine_server() { /usr/lib/wine/wineserver "$@"; }

stop_wine_prefix() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wine_server -k 2>/dev/null || true
  fi
}

# Whether 32-bit Windows programs can run here; when not, WINE32_PROBLEM says why.
wine32_can_run() {
  WINE32_PROBLEM=
  if [ ! -x /usr/lib/wine/wine ]; then
    WINE32_PROBLEM="32-bit Wine (wine32:i386) is not installed; bash scripts/install-wine32.sh adds it"
  elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE32_PROBLEM="this machine starts no 32-bit program (the kernel refuses the 32-bit Wine loader)"
  fi
  [ -z "$WINE32_PROBLEM" ]
}
