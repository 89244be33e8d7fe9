#!/usr/bin/env bash
# Builds quintrel and starts it in the current folder (where it reads and writes hotkey.txt).
# Without an X display it starts a virtual one (Xvfb) first and tells how to look at it.
set -euo pipefail
here=$(pwd)
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/virtual-display.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${PROGRAM_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --target quintrel
program="$(pwd)/build/release/bin/quintrel"

had_display=${DISPLAY:-}
start_virtual_display
trap stop_virtual_display EXIT
if [ -z "$had_display" ] || [ "$had_display" != "$DISPLAY" ]; then
  cat <<TXT

No X display was found, so quintrel runs on a virtual one: Xvfb at DISPLAY=$DISPLAY.
Look at it from another terminal with a screenshot:
  DISPLAY=$DISPLAY import -window root quintrel.png
Close it as a window manager would, which saves hotkey.txt:
  DISPLAY=$DISPLAY xdotool search --name 'Quintrel' windowkill   (ends it without saving)
  or press Ctrl+C here (ends it without saving).
TXT
fi
echo "Starting quintrel in $here (its list file: $here/hotkey.txt)"
cd "$here"
"$program"
