#!/usr/bin/env bash
# How the game folder starts when something is missing, as a user meets it:
# without a sound device the game runs silent; without trelux.dll it says
# so and ends with a non-zero exit code.
#   start_cases.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
run="$build/e2e-start"
. "$source/tests/e2e/common.sh"

make_folder() {
  rm -rf "$run"
  mkdir -p "$run/game/levels" "$run/home"
  copy_program "$run/game"
  cp "$build/game/trelux.ini" "$run/game/"
  cp "$build/game/levels/download.guid" "$run/game/levels/"
}

start_game() {
  (cd "$run/game" && HOME="$run/home" TRELUX_KEEP_HOME=1 exec "$build/wine-run" trelux.exe \
     >"$run/game.log" 2>&1) &
  game=$!
}
trap 'kill -KILL $game 2>/dev/null || true' EXIT

# --- No sound device: an ALSA configuration with no device at all ---------
make_folder
printf 'pcm.!default { type hw card 99 }\n' >"$run/home/.asoundrc"
start_game
wait_for_window '^Trelux$' 60 >/dev/null || fail "no window without a sound device"
wait_until 30 shot_shows "$run/silent.png" menu "$build/art/colors.bmp" >/dev/null ||
  fail "the silent game shows no main menu"
ended "$game" 2>/dev/null && fail "the game ended without a sound device"
# Wine takes SIGTERM for the end of one thread only.
{ kill -KILL "$game" && wait "$game"; } 2>/dev/null || true
wait_until 10 no_window '^Trelux$' || fail "the silent game's window stays after its end"

# --- No resource library -----------------------------------------------------
make_folder
rm "$run/game/trelux.dll"
# startup.dat checks for the library; take that line out, so that the
# library's own check is what stops the start.
grep -v -i 'trelux.dll' "$build/game/startup.dat" >"$run/game/startup.dat"
printf 'pcm.!default { type null }\n' >"$run/home/.asoundrc"
start_game
box=$(wait_for_window '^Trelux$' 60) || fail "no message without trelux.dll"
takes_keyboard "$box" || fail "the message does not have the keyboard"
screenshot "$run/missing-library.png"
press_in_box "$box" Return || fail "Return does not close the message"
wait_until 20 ended "$game" || fail "the game did not end after its message"
status=0
wait "$game" || status=$?
[ "$status" -ne 0 ] || fail "a start without trelux.dll ended with exit code 0"
echo "start_cases: silent start and missing library behave; exit code $status"
