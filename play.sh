#!/usr/bin/env bash
# Installs what is missing, builds the game and its folder, and starts the
# game under Wine, with a local puzzle server (Python's http.server on
# 127.0.0.1) that serves the bonus sets to "Get Puzzles" while the game runs.
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
. scripts/windows-build.sh
if [ "$windows_preset" != win32 ]; then
  echo "play.sh: this machine runs no 32-bit code; playing the 64-bit build of the game"
fi
cmake --preset "$windows_preset" >/dev/null
# The game folder only: the tests are left for ./test.sh.
cmake --build --preset "$windows_preset" --target game
build="$PWD/build/$windows_preset"

# The game runs in a folder of its own, filled from the build's game folder:
# what the player changes there (progress, volumes, sets made or downloaded,
# bests) stays from run to run, and the build's folder, from which the install
# package is made, stays as built. A file the build made anew replaces the
# player's older copy.
game="$PWD/build/play/game"
mkdir -p "$game"
cp -R -u -p "$build/game/." "$game/"
# A Wine prefix of the game's own, so nothing of the user's is touched.
export WINEPREFIX="$PWD/build/play-prefix"
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
  "$wine_loader" wineboot --init </dev/null >"$PWD/build/play-prefix.log" 2>&1 ||
    fail "Wine could not prepare its prefix $WINEPREFIX (see build/play-prefix.log)"
  wineserver -w
fi

# --- The local puzzle server ------------------------------------------------
# http.server takes a free port itself (port 0) and says which; the bonus sets
# are then published for that port and the game's trelux.ini names it.
# Published anew for the port of each run, beside the play folder: the build's
# own published folder (build/*/puzzle-server) is left as built.
site="$PWD/build/play/puzzle-server"
server_log="$PWD/build/play-server.log"
mkdir -p "$site"
/usr/bin/python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$site" >"$server_log" 2>&1 &
server_pid=$!
stop_server() { kill "$server_pid" 2>/dev/null || true; }
trap 'stop_server; [ -z "$screenshot" ] || stop_xvfb "$XVFB_PID" "$XVFB_DISPLAY"' EXIT
server_port() { sed -n 's/^Serving HTTP on [0-9.]* port \([0-9]*\).*/\1/p' "$server_log" | grep .; }
port=$(wait_until 20 server_port) || fail "the local puzzle server did not start (see $server_log)"
"$build/host/tools/trelux-tool/trelux-tool" publish "$site" --base-url "http://127.0.0.1:$port/" \
  levels/afterglow.txt levels/night_shift.txt >/dev/null || fail "publishing the bonus sets failed"
/usr/bin/python3 - "$game/trelux.ini" "127.0.0.1:$port" <<'PY'
import re, sys
path, server = sys.argv[1], sys.argv[2]
text = open(path, newline="").read()
text = re.sub(r"(?im)^[ \t]*server[ \t]*=.*\n?", "", text)
text = re.sub(r"(?im)^\[settings\][ \t]*\r?\n", lambda m: m.group(0) + "server = " + server + "\r\n", text, 1)
open(path, "w", newline="").write(text)
PY
echo "Puzzle server for Get Puzzles: http://127.0.0.1:$port/ (the bonus sets; ends with the game)"

cd "$game"
if [ -z "$screenshot" ]; then
  status=0
  "$wine_loader" trelux.exe || status=$?
  exit "$status"
fi

"$wine_loader" trelux.exe </dev/null >/dev/null 2>&1 &
game_pid=$!
trap 'wineserver -k 2>/dev/null || true; stop_server; stop_xvfb "$XVFB_PID" "$XVFB_DISPLAY"' EXIT
wait_for_window '^Trelux$' 60 >/dev/null || fail "the game's window did not appear"
# The menu is ready when its backdrop and all its buttons are drawn.
menu_drawn() {
  import -window root "$screenshot" &&
    /usr/bin/python3 "$top/tests/e2e/shots.py" menu "$screenshot" "$build/art/colors.bmp"
}
wait_until 30 menu_drawn >/dev/null || fail "the game's window shows no main menu"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended at its start"
echo "Saved the main menu to $screenshot"
