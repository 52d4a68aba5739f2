#!/usr/bin/env bash
# Plays a short set from the main menu to its end, as a user would: the
# game folder started under Wine on the test display, keys and clicks from
# xdotool, screenshots checked at known pixels and kept, and the sound the
# game played recorded through an ALSA file device.
#   play_through.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
here="$source/tests/e2e"
run="$build/e2e"
shots="$run/shots"
art="$build/art"
tool="$build/host/tools/trelux-tool/trelux-tool"

. "$source/tests/e2e/common.sh"
# Debian's own Python, which has numpy and PIL from the packages.
check() { /usr/bin/python3 "$here/shots.py" "$@"; }
shot() { import -window root "$shots/$1.png"; }

# --- The game folder, with one set of our own and no music ----------------
rm -rf "$run"
mkdir -p "$run/game/levels/trial" "$run/home" "$shots"
cp "$build/game/trelux.exe" "$build/game/trelux.dll" "$build/game/startup.dat" "$run/game/"
cp "$build/game/levels/download.guid" "$run/game/levels/"
printf '[settings]\r\n\r\nsound = 100\r\nmusic = 0\r\n\r\n' >"$run/game/trelux.ini"
"$tool" compile "$here/trial_run.txt" "$run/game/levels/trial/levels.dat" >/dev/null
printf '[trelux]\r\n\r\nlocked = false\r\npath = .\\levels\\trial\\\r\nname = Trial Run\r\n\r\n' \
  >"$run/game/levels/trial.trelux"
printf 'pcm.!default { type file slave.pcm "null" file "%s" format "wav" }\n' \
  "$run/capture.wav" >"$run/home/.asoundrc"

cd "$run/game"
HOME="$run/home" TRELUX_KEEP_HOME=1 "$build/wine-run" trelux.exe >"$run/game.log" 2>&1 &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

window=$(wait_for_window '^Trelux$' 60) || fail "the main window did not appear"
sleep 1.5

# --- Main menu: the backdrop, with a button in each fifth of its height -----
shot menu
read -r mx my < <(check locate "$shots/menu.png" "$art/colors.bmp") ||
  fail "the main menu does not show the backdrop"
read -r width height < <(identify -format '%w %h\n' "$art/colors.bmp")
row=$(( height / 5 ))
for r in 0 1 2 3 4; do
  check differs "$shots/menu.png" "$art/colors.bmp" $(( mx + width / 2 )) $(( my + r * row + row / 2 )) \
    $(( width / 2 )) $(( r * row + row / 2 )) || fail "no button in row $r of the menu"
done
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.7}"; }
press() { for k in "$@"; do xdotool key "$k"; sleep 0.35; done; }

# --- New Game: choose the only set ----------------------------------------
click $(( mx + width / 2 )) $(( my + row / 2 ))
wait_for_window '^Choose Puzzle Set$' 20 >/dev/null || fail "no chooser"
shot chooser
press Tab Tab Down Return
sleep 1.5

# --- Level 1: a beam straight to its sensor; any key finds the level won ----
shot level1
read -r px py < <(check locate "$shots/level1.png" "$art/colors.bmp") ||
  fail "the play screen shows no panel"
ox=$(( px - 7 * 25 )); oy=$py
# The red beam crosses cells (2, 1) to (4, 1) on its way to the sensor.
check pixel "$shots/level1.png" $(( ox + 2 * 25 + 4 )) $(( oy + 25 + 12 )) 255 0 0 ||
  fail "no beam on level 1"
check pixel "$shots/level1.png" $(( ox + 4 * 25 + 20 )) $(( oy + 25 + 12 )) 255 0 0 ||
  fail "the beam does not reach the sensor"
press space
sleep 1
shot level1-won
check differs "$shots/level1-won.png" "$art/colors.bmp" $(( ox + 7 * 25 + 57 + 75 )) $(( oy + 125 + 15 )) \
  132 140 || fail "no Next Level button"
click $(( ox + 7 * 25 + 57 + 75 )) $(( oy + 125 + 15 )) 1.5

# --- Level 2: the description, help, a push, a zap, and the win -------------
wait_for_window '^Console$' 10 >/dev/null || fail "level 2 shows no description window"
shot level2
press F1
wait_for_window '^Trelux Help$' 10 >/dev/null || fail "F1 shows no help"
sleep 0.7
shot help
check locate "$shots/help.png" "$art/trelux.bmp" >/dev/null || fail "the help shows no robot picture"
press Return
sleep 0.5
xdotool windowactivate --sync "$window" 2>/dev/null || true
press Left Up Right Up
sleep 0.6  # the zap's pause
press Right Up Left Down
sleep 1
shot level2-won
read -r px py < <(check locate "$shots/level2-won.png" "$art/colors.bmp") || fail "level 2 lost its panel"
ox=$(( px - 8 * 25 )); oy=$py
click $(( ox + 8 * 25 + 57 + 75 )) $(( oy + 125 + 15 )) 1
wait_for_window '^Trelux$' 5 >/dev/null
shot congratulations
press Return
sleep 1.5

# --- Back on the menu: Quit -----------------------------------------------
shot menu-again
read -r mx my < <(check locate "$shots/menu-again.png" "$art/colors.bmp") ||
  fail "the set's end does not return to the main menu"
click $(( mx + width / 2 )) $(( my + 4 * row + row / 2 )) 1
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.2; done
kill -0 $game 2>/dev/null && fail "Quit did not end the game"
grep -q "music = 0" "$run/game/trelux.ini" || fail "the settings were not written at exit"

# --- What was heard ---------------------------------------------------------
/usr/bin/python3 "$here/capture.py" "$run/capture.wav" \
  push="$art/push.wav:1" zap="$art/zap.wav:1" win="$art/win.wav:1" || fail "sounds missing"
echo "play_through: all checks passed; screenshots in $shots"
