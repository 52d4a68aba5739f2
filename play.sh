#!/usr/bin/env bash
# Installs what is missing, builds the game and its folder, and starts the
# game under Wine.
#   ./play.sh                    play (needs a display)
#   ./play.sh --screenshot FILE  start on a virtual display, save the main
#                                menu as FILE (PNG) and end
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD

screenshot=""
if [ "${1:-}" = "--screenshot" ]; then
  screenshot=$(realpath -m "${2:?usage: ./play.sh --screenshot FILE}")
fi

bash scripts/deps.sh
cmake --preset win32 >/dev/null
# The game folder only: the tests are left for ./test.sh.
cmake --build --preset win32 --target game

game="$PWD/build/win32/game"
# A Wine prefix of the game's own, so nothing of the user's is touched.
export WINEPREFIX="$PWD/build/play-prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
. scripts/xvfb.sh

if [ -z "$screenshot" ] && [ -z "${DISPLAY:-}" ]; then
  cat <<'MSG'
Trelux needs a display to show its window, and there is none here.
  - On a desktop, run ./play.sh from a terminal of that desktop.
  - Over ssh, connect with X forwarding (ssh -X) and run it again.
  - To see the main menu without a display: ./play.sh --screenshot menu.png
MSG
  exit 1
fi

fail() {
  echo "play.sh: $*" >&2
  exit 1
}

if [ -n "$screenshot" ]; then
  start_xvfb 150 || fail "no virtual display for the screenshot"
  trap 'stop_xvfb "$XVFB_PID" "$XVFB_DISPLAY"' EXIT
  export DISPLAY="$XVFB_DISPLAY"
  # No sound card is needed for a picture.
  export HOME="$PWD/build/play-home"
  mkdir -p "$HOME"
  printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing Wine for Trelux (once)..."
  wineboot --init </dev/null >"$PWD/build/play-prefix.log" 2>&1 ||
    fail "Wine could not prepare its prefix $WINEPREFIX (see build/play-prefix.log)"
  wineserver -w
fi

cd "$game"
if [ -z "$screenshot" ]; then
  exec wine trelux.exe
fi

wine trelux.exe </dev/null >/dev/null 2>&1 &
game_pid=$!
trap 'wineserver -k 2>/dev/null || true; stop_xvfb "$XVFB_PID" "$XVFB_DISPLAY"' EXIT
wait_for_window '^Trelux$' 60 >/dev/null || fail "the game's window did not appear"
# The menu is ready when its backdrop and all its buttons are drawn.
menu_drawn() {
  import -window root "$screenshot" &&
    /usr/bin/python3 "$top/tests/e2e/shots.py" menu "$screenshot" "$top/build/win32/art/colors.bmp"
}
wait_until 30 menu_drawn >/dev/null || fail "the game's window shows no main menu"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended at its start"
echo "Saved the main menu to $screenshot"
