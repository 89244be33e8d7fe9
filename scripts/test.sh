#!/usr/bin/env bash
# Builds and runs every test: the unit, window and end-to-end tests in a debug build and in an
# AddressSanitizer + UBSan build (the end-to-end tests on a virtual X display when there is no
# display), the fuzz targets for a bounded time each, and a release build that checks that the
# benchmarks still compile; then the Windows builds, with their tests under Wine
# (scripts/test-windows.sh). Installs what it needs first. Any failure ends it with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/virtual-display.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" \
  "${PROGRAM_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}"

fuzz_seconds=${QUINTREL_FUZZ_SECONDS:-20}

# The end-to-end tests always get a display of their own, so they never touch the user's desktop.
saved_display=${DISPLAY:-}
unset DISPLAY
start_virtual_display
trap stop_virtual_display EXIT
echo "== end-to-end tests use the virtual display $DISPLAY"

# Qt keeps some memory until the process ends; those are not our leaks.
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"

for preset in dev asan; do
  echo "== unit, window and end-to-end tests: $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done

echo "== fuzz targets, ${fuzz_seconds} s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
bash scripts/run-fuzzers.sh "$fuzz_seconds"

echo "== release build with benchmarks (compiled, not run: see bench/)"
cmake --preset release >/dev/null
cmake --build --preset release

echo "== Windows build and tests under Wine"
bash scripts/test-windows.sh

[ -n "$saved_display" ] && export DISPLAY="$saved_display"
echo "All tests passed."
