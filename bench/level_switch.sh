#!/usr/bin/env bash
# Times the level switches as a new player meets them: the game folder of a
# win32 build, in a Wine prefix with Wine's default settings (as ./play.sh
# makes it), on a virtual display of its own, with or without a window
# manager (openbox). Prints the milliseconds from the key or click to the
# first screenshot that shows the new board.
#   bench/level_switch.sh BUILD_DIR [--wm | --unmanaged] [--game FOLDER] [--chooser-keys "Tab Tab Down"]
# --unmanaged sets Wine's X11 driver to leave every window unmanaged
# (Managed=N, as the test prefix does), in a prefix of its own.
# --game plays another build's game folder (trelux.exe, trelux.dll,
# startup.dat, trelux.ini), such as one kept from before a change; a game
# whose chooser opens with nothing chosen needs --chooser-keys.
set -euo pipefail

build=$(realpath "$1")
shift
source=$(realpath "$(dirname "$0")/..")
wm=""
unmanaged=""
game="$build/game"
while [ $# -gt 0 ]; do
  case "$1" in
    --wm) wm=yes ;;
    --unmanaged) unmanaged=yes ;;
    --game) game=$(realpath "$2"); shift ;;
    *) break ;;
  esac
  shift
done
run="$build/bench-switch"
export WINEPREFIX="$build/bench-prefix${unmanaged:+-unmanaged}"
export WINEARCH=win32
export WINEDEBUG=${BENCH_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
. "$source/scripts/xvfb.sh"

fail() {
  echo "level_switch.sh: $*" >&2
  exit 1
}
[ -z "$wm" ] || command -v openbox >/dev/null || fail "--wm needs openbox (apt-get install openbox)"

rm -rf "$run"
mkdir -p "$run/game/levels/bench" "$run/home"
cp "$game/trelux.exe" "$game/trelux.dll" "$game/startup.dat" "$game/trelux.ini" "$run/game/"
"$build/host/tools/trelux-tool/trelux-tool" compile "$source/bench/switch_set.txt" \
  "$run/game/levels/bench/levels.dat" >/dev/null
printf '[trelux]\r\n\r\nlocked = false\r\npath = .\\levels\\bench\\\r\nname = Switch Bench\r\n\r\n' \
  >"$run/game/levels/bench.trelux"
printf 'pcm.!default { type null }\n' >"$run/home/.asoundrc"
export HOME="$run/home"

start_xvfb 120 || fail "no virtual display"
export DISPLAY="$XVFB_DISPLAY"
wm_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  stop_xvfb "$XVFB_PID" "$XVFB_DISPLAY"
}
trap cleanup EXIT
if [ -n "$wm" ]; then
  openbox --sm-disable >"$run/openbox.log" 2>&1 &
  wm_pid=$!
  wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  wait_until 20 wm_up || fail "openbox did not come up"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init </dev/null >"$build/bench-prefix.log" 2>&1 || fail "wineboot failed"
  if [ -n "$unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >>"$build/bench-prefix.log" 2>&1 || fail "setting Managed=N failed"
  fi
  wineserver -w
fi
wineserver -p
wine wineboot </dev/null >/dev/null 2>&1

cd "$run/game"
wine trelux.exe </dev/null >"$run/game.log" 2>&1 &
/usr/bin/python3 "$source/bench/level_switch.py" "$DISPLAY" "$build/art" "$@"
