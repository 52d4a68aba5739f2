#!/usr/bin/env bash
# Prepares the Wine prefix of a build folder and keeps one wineserver running
# for a whole test run, so each Windows program starts in a fraction of a
# second instead of seconds. Also starts a virtual X display for the windows
# of the tests, and gives Wine a home whose ALSA configuration plays sound
# into nothing, so that DirectSound works on a machine without sound.
#   scripts/wine-prefix.sh start BUILD_DIR
#   scripts/wine-prefix.sh stop BUILD_DIR
set -euo pipefail

action=${1:?start or stop}
build=$(cd "${2:?build folder}" && pwd)
export WINEPREFIX="$build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko installer dialog may block a prefix without a display.
export WINEDLLOVERRIDES="mscoree,mshtml="

display_file="$build/wine-display"
xvfb_pid_file="$build/xvfb.pid"

. "$(dirname "$0")/xvfb.sh"

start_display() {
  start_xvfb 90 || return 1
  echo "$XVFB_PID" >"$xvfb_pid_file"
  echo "${XVFB_DISPLAY#:}" >"$display_file"
}

stop_display() {
  if [ -f "$xvfb_pid_file" ]; then
    kill "$(cat "$xvfb_pid_file")" 2>/dev/null || true
    rm -f "$xvfb_pid_file" "$display_file"
  fi
}

make_home() {
  mkdir -p "$build/wine-home"
  printf 'pcm.!default { type null }\n' >"$build/wine-home/.asoundrc"
}

case "$action" in
  start)
    stop_display
    start_display
    export DISPLAY=":$(cat "$display_file")"
    make_home
    export HOME="$build/wine-home"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init </dev/null >/dev/null 2>&1 || true
      wineserver -w
      # Without a window manager each message box otherwise costs seconds.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || true
      # A crashing test program must end, not wait for a click on Wine's
      # crash dialog.
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        </dev/null >/dev/null 2>&1 || true
      wineserver -w
    fi
    wineserver -p
    # Let Wine's own services start now, so that they don't hold the output
    # pipe of the first test program.
    wine wineboot </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    stop_display
    ;;
  *)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
