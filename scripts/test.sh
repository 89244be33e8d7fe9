#!/usr/bin/env bash
# Builds and runs every test: the unit tests in a debug build and in an AddressSanitizer + UBSan
# build, the fuzz targets for a bounded time each, and a release build that checks the benchmarks
# still compile. Installs what it needs first. Any failure stops it with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

fuzz_seconds=${QUINTREL_FUZZ_SECONDS:-20}

for preset in dev asan; do
  echo "== unit tests: $preset build"
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

echo "All tests passed."
