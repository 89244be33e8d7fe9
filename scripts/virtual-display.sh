# Sourced: makes sure an X display is there. With none, starts Xvfb on a free display number,
# exports DISPLAY and sets QUINTREL_XVFB_PID (the caller stops it when it is done).
start_virtual_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local number
  for number in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
  done
  # A session of its own: Ctrl+C in the terminal must not take the display away from a program
  # that is still closing on it; the caller stops it.
  setsid Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >/tmp/quintrel-xvfb-$number.log 2>&1 &
  QUINTREL_XVFB_PID=$!
  export DISPLAY=":$number"
  local tries
  for tries in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start; see /tmp/quintrel-xvfb-$number.log" >&2
  return 1
}

stop_virtual_display() {
  if [ -n "${QUINTREL_XVFB_PID:-}" ]; then
    kill "$QUINTREL_XVFB_PID" 2>/dev/null || true
    wait "$QUINTREL_XVFB_PID" 2>/dev/null || true
  fi
}
