#!/usr/bin/env bash
# Builds the Windows programs and tests with MinGW-w64 (presets win64 and win32) and runs the tests
# under Wine: the x64 tests under wine64, the x86 tests when a 32-bit Wine can run here (it is
# opt-in: scripts/install-wine32.sh). Each preset has its own Wine prefix in its build folder.
# Installs what it needs first. Any failed build or test ends it with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/virtual-display.sh
source scripts/wine-env.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" \
  "${DISPLAY_PACKAGES[@]}"

# Wine shows any window on a display of ours (the caller's when it already has a virtual one).
start_virtual_display
trap 'stop_wine_prefix; stop_virtual_display' EXIT

run_tests() {
  local preset=$1 arch=$2
  use_wine_prefix "build/$preset" "$arch"
  ctest --preset "$preset" --verbose
  stop_wine_prefix
}

for preset in win64 win32; do
  echo "== Windows build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel "$(nproc)"
done

echo "== Windows x64 tests under wine64"
run_tests win64 win64
if wine32_can_run; then
  echo "== Windows x86 tests under 32-bit Wine"
  run_tests win32 win32
else
  echo "== Windows x86 tests not run: $WINE32_PROBLEM"
fi
echo "Windows builds and tests passed."
