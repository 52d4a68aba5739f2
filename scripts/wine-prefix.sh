#!/usr/bin/env bash
# Prepares the Wine prefixes of a build folder and keeps a wineserver running
# in each for a whole test run, so each Windows program starts in a fraction
# of a second instead of seconds. Two lanes (scripts/wine-lane.sh), each with
# a virtual X display, a prefix and a wineserver of its own, so that two
# windowed tests run at once; the second prefix is a copy of the first. Also
# gives Wine a home whose ALSA configuration plays sound into nothing, so
# that DirectSound works on a machine without sound.
#   scripts/wine-prefix.sh start BUILD_DIR
#   scripts/wine-prefix.sh stop BUILD_DIR
set -euo pipefail

action=${1:?start or stop}
build=$(cd "${2:?build folder}" && pwd)
export WINEDEBUG=-all
# No Mono or Gecko installer dialog may block a prefix without a display.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The build's own way of starting Wine: its loader (32 or 64 bits), and the
# prefix and display of the lane named as CTest names it.
wine="$build/wine-run"
lanes=(0 1)

# Sets the paths of lane $1.
use_lane() {
  export CTEST_RESOURCE_GROUP_0_DISPLAY="id:$1,slots:1"
  . "$(dirname "$0")/wine-lane.sh"
  export WINEPREFIX="$build/wineprefix$wine_lane"
  display_file="$build/wine-display$wine_lane"
  xvfb_pid_file="$build/xvfb$wine_lane.pid"
  ready_mark="$WINEPREFIX/.trelux-ready"
}

. "$(dirname "$0")/xvfb.sh"

fail() {
  echo "wine-prefix.sh: $*" >&2
  exit 1
}
[ -x "$wine" ] || fail "$wine is missing: configure the build first"

start_display() {
  start_xvfb 90 || fail "the test display did not come up"
  echo "$XVFB_PID" >"$xvfb_pid_file"
  echo "${XVFB_DISPLAY#:}" >"$display_file"
}

# Only the Xvfb this build started, named by its pid and display number, is
# stopped; a stale pid file names nothing of ours and is just removed.
stop_display() {
  if [ -f "$xvfb_pid_file" ] && [ -f "$display_file" ]; then
    stop_xvfb "$(cat "$xvfb_pid_file")" ":$(cat "$display_file")"
  fi
  rm -f "$xvfb_pid_file" "$display_file"
}

make_home() {
  mkdir -p "$build/wine-home"
  printf 'pcm.!default { type null }\n' >"$build/wine-home/.asoundrc"
}

# Runs a Wine command quietly; fails with WHAT when it does not succeed.
quietly() {
  local what=$1
  shift
  "$@" </dev/null >"$build/wine-prefix.log" 2>&1 ||
    fail "$what failed (exit code $?); its output is in $build/wine-prefix.log"
}

# A prefix is ready only once every setting below is in (the mark); a start
# that failed half-way prepares it again.
prepare_prefix() {
  quietly "wineboot --init (creating the prefix $WINEPREFIX)" "$wine" wineboot --init
  quietly "wineserver -w" wineserver -w
  # Without a window manager each message box otherwise costs seconds.
  quietly "setting Managed=N" \
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  # A crashing test program must end, not wait for a click on Wine's crash
  # dialog.
  quietly "setting ShowCrashDialog=0" \
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  quietly "wineserver -w" wineserver -w
  touch "$ready_mark"
}

# Copies lane 0's prepared prefix as the prefix of the current lane.
copy_prefix() {
  local first="$build/wineprefix"
  rm -rf "$WINEPREFIX"
  cp -a "$first" "$WINEPREFIX" || fail "copying $first to $WINEPREFIX failed"
}

# Starts the wineserver of the current lane and Wine's services, so that
# they don't hold the output pipe of the first test program.
start_server() {
  quietly "starting the persistent wineserver of $WINEPREFIX" wineserver -p
  quietly "starting Wine's services (wineboot) in $WINEPREFIX" "$wine" wineboot
}

# Ends the servers and displays of every lane; at a start, those left by a
# run that never stopped are ours too.
stop_lanes() {
  for lane in "${lanes[@]}"; do
    use_lane "$lane"
    [ ! -d "$WINEPREFIX" ] || wineserver -k 2>/dev/null || true
    stop_display
  done
}

case "$action" in
  start)
    stop_lanes
    make_home
    export HOME="$build/wine-home"
    for lane in "${lanes[@]}"; do
      use_lane "$lane"
      start_display
      if [ ! -f "$ready_mark" ]; then
        if [ "$lane" = 0 ]; then prepare_prefix; else copy_prefix; fi
      fi
    done
    for lane in "${lanes[@]}"; do
      use_lane "$lane"
      start_server
    done
    ;;
  stop)
    stop_lanes
    ;;
  *)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
