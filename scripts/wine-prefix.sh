#!/usr/bin/env bash
# Prepares the Wine prefix of a build folder and keeps one wineserver running
# for a whole test run, so each Windows program starts in a fraction of a
# second instead of seconds.
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

case "$action" in
  start)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init </dev/null >/dev/null 2>&1 || true
      wineserver -w
      # Without a window manager each message box otherwise costs seconds.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
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
    ;;
  *)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
