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

# Qt wants a private runtime folder; a bare root shell or a container often has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi

had_display=${DISPLAY:-}
start_virtual_display
trap stop_virtual_display EXIT
if [ -z "$had_display" ] || [ "$had_display" != "$DISPLAY" ]; then
  cat <<TXT

No X display was found, so quintrel runs on a virtual one: Xvfb at DISPLAY=$DISPLAY.
Look at it from another terminal with a screenshot:
  DISPLAY=$DISPLAY import -window root quintrel.png
Drive it with xdotool (DISPLAY=$DISPLAY xdotool ...). Press Ctrl+C here to close it: like the
close button, that saves hotkey.txt first.
TXT
fi
echo "Starting quintrel in $here (its list file: $here/hotkey.txt)"
cd "$here"
# quintrel closes (and saves) on TERM, INT or HUP. The signals that reach this script go on to it,
# and the virtual display stays until it has ended: without it, it could not close cleanly.
"$program" &
quintrel_pid=$!
trap 'kill -TERM "$quintrel_pid" 2>/dev/null || true' TERM INT HUP
status=0
while kill -0 "$quintrel_pid" 2>/dev/null; do
  wait "$quintrel_pid" && status=0 || status=$?
done
exit "$status"
