#!/usr/bin/env bash
# Plays a short set from the main menu to its end, as a user would: the
# game folder started under Wine on the test display, keys and clicks from
# xdotool (from the menu into the second level by keyboard alone),
# screenshots checked at known pixels and kept (one caught during a zap's
# pause), and the sound the game played recorded through an ALSA file
# device.
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

# --- The game folder, with one set of our own and no music ----------------
rm -rf "$run"
mkdir -p "$run/game/levels/trial" "$run/home" "$shots"
copy_program "$run/game"
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
trap 'kill -KILL $game 2>/dev/null || true' EXIT

window=$(wait_for_window '^Trelux$' 60) || fail "the main window did not appear"

# --- The sound capture: the device writes it faster than real time, all the
# time it is open. After a key that plays a sound the test waits until that
# sound is whole in the capture and over, so that the next one stays apart.
capture="$run/capture.wav"
captured() { stat -c %s "$capture"; }
wait_until 30 captured >/dev/null || fail "the game opened no sound device"
played() { /usr/bin/python3 "$here/capture.py" played "$capture" "$1"; }
# Presses KEYS...; the last one plays a sound.
press_heard() {
  local from
  from=$(captured)
  xdotool key "$@"
  wait_until 20 played "$from" || fail "no sound after the keys $*"
}

# --- Main menu: the backdrop, with a button in each fifth of its height -----
read -r mx my < <(wait_until 30 seen menu menu "$art/colors.bmp") ||
  fail "the main menu does not show the backdrop with its five buttons"
read -r width height < <(identify -format '%w %h\n' "$art/colors.bmp")
row=$(( height / 5 ))

# --- New Game by keyboard: the focus starts there; the only set is chosen --
wait_until 10 has_focus "$window" || fail "the main menu does not have the keyboard"
xdotool key Return
chooser=$(wait_for_window '^Choose Puzzle Set$' 20) || fail "Enter on the menu shows no chooser"
takes_keyboard "$chooser" || fail "the chooser does not have the keyboard"
shot chooser
xdotool key Return

# --- Level 1: a beam straight to its sensor; any key finds the level won ----
level1_shown() {
  seen level1 locate "$art/colors.bmp" >"$run/at" || return 1
  read -r px py <"$run/at"
  ox=$(( px - 7 * 25 )); oy=$py; by=$(( py + $(board_top 4) ))
  # The red beam crosses cells (2, 1) to (4, 1) on its way to the sensor.
  check pixel "$shots/level1.png" $(( ox + 2 * 25 + 4 )) $(( by + 25 + 12 )) 255 0 0 &&
    check pixel "$shots/level1.png" $(( ox + 4 * 25 + 20 )) $(( by + 25 + 12 )) 255 0 0
}
wait_until 30 level1_shown || fail "level 1 does not show its panel and the beam reaching the sensor"
wait_until 10 has_focus "$window" || fail "the game does not have the keyboard on level 1"
press_heard space
next_x=$(( ox + 7 * 25 + 57 + 75 )); next_y=$(( oy + 125 + 15 ))
wait_until 10 seen level1-won differs "$art/colors.bmp" $next_x $next_y 132 140 ||
  fail "no Next Level button"
xdotool key Return

# --- Level 2: the description, help, a push, a zap, and the win -------------
wait_for_window '^Console$' 10 >/dev/null || fail "level 2 shows no description window"
level2_shown() {
  seen level2 locate "$art/colors.bmp" >"$run/at" || return 1
  read -r px py <"$run/at"
  ox=$(( px - 8 * 25 )); oy=$py; by=$(( py + $(board_top 6) ))
  # The red beam crosses cell (2, 2) on its way to the black lens.
  check pixel "$shots/level2.png" $(( ox + 2 * 25 + 4 )) $(( by + 2 * 25 + 12 )) 255 0 0
}
wait_until 20 level2_shown || fail "level 2 shows no panel and no beam to the black lens"
wait_until 10 has_focus "$window" || fail "the game does not have the keyboard on level 2"
xdotool key F1
help=$(wait_for_window '^Trelux Help$' 10) || fail "F1 shows no help"
wait_until 10 seen help locate "$art/trelux.bmp" >/dev/null || fail "the help shows no robot picture"
wait_until 10 has_focus "$help" || fail "the help does not have the keyboard"
xdotool key Return
wait_until 10 no_window '^Trelux Help$' || fail "Return does not close the help"
wait_until 10 has_focus "$window" || fail "the game does not get the keyboard back after the help"
press_heard Left Up    # the push of the green lens
# Into the beam: during the zap's pause the robot stands in it, on cell (2, 2),
# before the step is taken back.
from=$(captured)
/usr/bin/python3 "$here/glimpse.py" "$shots/zap.png" "$art/tileset.bmp" 7 \
  $(( ox + 2 * 25 )) $(( by + 2 * 25 )) 3 Right Up >/dev/null ||
  fail "no screenshot during the zap's pause shows the robot in the beam"
wait_until 20 played "$from" || fail "no zap heard"
xdotool key Right Up Left Down  # round to the black lens, and pull it out: the win
next_x=$(( ox + 8 * 25 + 57 + 75 )); next_y=$(( oy + 125 + 15 ))
wait_until 20 seen level2-won differs "$art/colors.bmp" $next_x $next_y 132 140 ||
  fail "level 2 is not won (no Next Level button)"
click $next_x $next_y
box=$(wait_for_window '^Trelux$' 10 "$window") || fail "no congratulations at the end of the set"
shot congratulations
press_in_box "$box" Return || fail "Return does not close the congratulations"

# --- Back on the menu: Quit -----------------------------------------------
read -r mx my < <(wait_until 20 seen menu-again menu "$art/colors.bmp") ||
  fail "the set's end does not return to the main menu"
click $(( mx + width / 2 )) $(( my + 4 * row + row / 2 ))
wait_until 20 ended $game || fail "Quit did not end the game"
grep -q "music = 0" "$run/game/trelux.ini" || fail "the settings were not written at exit"

# --- What was heard ---------------------------------------------------------
last=-1
settled() {
  local now
  now=$(captured)
  [ "$now" = "$last" ] || { last=$now; echo "the capture still grows" >&2; return 1; }
}
wait_until 20 settled || fail "the capture does not end"
/usr/bin/python3 "$here/capture.py" "$capture" \
  push="$art/push.wav:1" zap="$art/zap.wav:1" win="$art/win.wav:1" || fail "sounds missing"
echo "play_through: all checks passed; screenshots in $shots"
