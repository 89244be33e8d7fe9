#!/usr/bin/env bash
# Builds quintrel and starts it. The desktop program is not part of this build yet: for now this
# builds the portable core (list file, key names, text rules) and says what there is to try.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"
cmake --preset dev >/dev/null
cmake --build --preset dev
cat <<'TXT'

Built: the portable core of quintrel (list file reader and writer, key names and hotkey texts,
the shared text rules) and its unit tests, in build/dev.
The Linux desktop program is not in this build yet; it will start from this same command.
To run every test now: bash scripts/test.sh
TXT
