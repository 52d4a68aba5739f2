# Helpers for a private virtual X display (sourced by play.sh and the
# end-to-end test).

# Starts Xvfb on the first free display number from $1 (default 150); sets
# XVFB_DISPLAY (":N") and XVFB_PID.
start_xvfb() {
  local n
  for n in $(seq "${1:-150}" $(( ${1:-150} + 49 ))); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      XVFB_DISPLAY=":$n"
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
      done
      return 0
    fi
  done
  echo "no free X display number" >&2
  return 1
}

# Waits up to $2 seconds (default 30) for a window whose name matches $1;
# prints its id.
wait_for_window() {
  local i id
  for i in $(seq $(( ${2:-30} * 5 ))); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}
