# Helpers for a private virtual X display and for waiting on what it shows
# (sourced by play.sh, scripts/wine-prefix.sh and the end-to-end tests).
# Every wait has a deadline; nothing here sleeps for a fixed time.

# Runs COMMAND... until it succeeds, for up to SECONDS, in this shell (so
# that what it sets stays set). When the time is up the last try runs with
# its complaints shown, and its status is the answer.
wait_until() {
  local seconds=$1 deadline
  shift
  deadline=$(( SECONDS + seconds ))
  until "$@" 2>/dev/null; do
    if (( SECONDS >= deadline )); then
      "$@"
      return
    fi
    sleep 0.1
  done
}

# True when PID is an Xvfb serving DISPLAY (":N"), as start_xvfb starts it.
is_xvfb() {
  local pid=$1 display=$2 args=()
  [ -r "/proc/$pid/cmdline" ] || return 1
  mapfile -d '' args <"/proc/$pid/cmdline" 2>/dev/null || return 1
  [ "${#args[@]}" -ge 2 ] && [ "${args[0]##*/}" = Xvfb ] && [ "${args[1]}" = "$display" ]
}

# True when the Xvfb started as PID holds DISPLAY's lock and answers on it.
xvfb_answers() {
  local pid=$1 display=$2
  [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X${display#:}-lock")" = "$pid" ] &&
    xdpyinfo -display "$display" >/dev/null 2>&1
}

# Starts Xvfb on the first free display number from $1 (default 150) and
# waits until it answers; sets XVFB_DISPLAY (":N") and XVFB_PID. Fails with
# what Xvfb said when it does not come up.
start_xvfb() {
  local first=${1:-150} n log
  log=$(mktemp)
  for n in $(seq "$first" $(( first + 49 ))); do
    if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then
      continue
    fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
    XVFB_PID=$!
    XVFB_DISPLAY=":$n"
    # Our own child, so its pid is sure to be it (its command line may still
    # be ours for a moment after the fork).
    local deadline=$(( SECONDS + 30 ))
    while kill -0 "$XVFB_PID" 2>/dev/null && (( SECONDS < deadline )); do
      if xvfb_answers "$XVFB_PID" "$XVFB_DISPLAY"; then
        rm -f "$log"
        return 0
      fi
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      kill "$XVFB_PID"
      echo "xvfb.sh: Xvfb on :$n did not answer within 30 seconds; it said:" >&2
      cat "$log" >&2
      rm -f "$log"
      return 1
    fi
    # It ended: another server took the number at the same moment; try the
    # next one.
  done
  echo "xvfb.sh: Xvfb came up on no display from :$first to :$(( first + 49 )); the last one said:" >&2
  cat "$log" >&2
  rm -f "$log"
  return 1
}

xvfb_gone() { ! is_xvfb "$@"; }

# Stops the Xvfb that start_xvfb started as PID on DISPLAY, and nothing else:
# a pid remembered from an earlier run may by now name another process.
stop_xvfb() {
  local pid=$1 display=$2
  is_xvfb "$pid" "$display" || return 0
  kill "$pid" 2>/dev/null || return 0
  if ! wait_until 10 xvfb_gone "$pid" "$display"; then
    echo "xvfb.sh: Xvfb $pid on $display did not end" >&2
    return 1
  fi
}

# Prints the id of a shown window whose name matches $1 and whose id is not
# in $2 (space-separated); fails when there is none. Hidden windows don't
# count: Wine makes some of its own, and a program may name one as it names
# the window it shows.
window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    if [[ " ${2:-} " != *" $id "* ]]; then
      echo "$id"
      return 0
    fi
  done
  echo "no window named $1" >&2
  return 1
}

# Waits up to $2 seconds (default 30) for a shown window whose name matches $1;
# prints its id. Ids in $3 (space-separated) don't count, so that a message
# box can be told from a main window of the same caption.
wait_for_window() {
  wait_until "${2:-30}" window_named "$1" "${3:-}"
}
