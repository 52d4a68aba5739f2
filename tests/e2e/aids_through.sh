#!/usr/bin/env bash
# Undo, the move count, the best and hints as a player meets them: a push
# taken back with Ctrl+Z, hints (F2) followed to the win, the win's new best,
# and the best shown when the level is played again. The game folder runs
# under Wine on the test display; screenshots are checked at known pixels
# and kept.
#   aids_through.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
here="$source/tests/e2e"
run="$build/e2e-aids"
shots="$run/shots"
art="$build/art"
tool="$build/host/tools/trelux-tool/trelux-tool"

. "$source/tests/e2e/common.sh"

# --- The game folder, with the trial set and no sound ---------------------
rm -rf "$run"
mkdir -p "$run/game/levels/aids" "$shots"
copy_program "$run/game"
cp "$build/game/levels/download.guid" "$run/game/levels/"
printf '[settings]\r\n\r\nsound = 0\r\nmusic = 0\r\n\r\n' >"$run/game/trelux.ini"
"$tool" compile "$here/aids_trial.txt" "$run/game/levels/aids/levels.dat" >/dev/null
printf '[trelux]\r\n\r\nlocked = false\r\npath = .\\levels\\aids\\\r\nname = Aids Trial\r\n\r\n' \
  >"$run/game/levels/aids.trelux"

cd "$run/game"
"$build/wine-run" trelux.exe >"$run/game.log" 2>&1 &
game=$!
trap 'kill -KILL $game 2>/dev/null || true' EXIT
window=$(wait_for_window '^Trelux$' 60) || fail "the main window did not appear"

read -r width height < <(identify -format '%w %h\n' "$art/colors.bmp")
row=$(( height / 5 ))
new_game() {
  read -r mx my < <(wait_until 30 seen "menu-$1" menu "$art/colors.bmp") || fail "no main menu"
  click $(( mx + width / 2 )) $(( my + row / 2 ))
  local chooser
  chooser=$(wait_for_window '^Choose Puzzle Set$' 20) || fail "no chooser"
  # The chooser opens on the first set with the list focused: Enter takes it.
  takes_keyboard "$chooser" || fail "the chooser does not have the keyboard"
  xdotool key Return
}

# The board is 9 cells wide; the panel beside it holds the best, the moves
# and the level number, one above the other in the same column.
level_shown() {
  seen "$1" locate "$art/colors.bmp" >"$run/at" || return 1
  read -r px py <"$run/at"
  ox=$(( px - 9 * 25 )); oy=$py; by=$(( py + $(board_top 7) ))
  digits_x=$(( px + (width - 36) / 2 ))
}
moves_are() { check number "$shots/$1.png" "$art/digits.bmp" "$digits_x" $(( oy + 225 )) "$2"; }
best_is() { check number "$shots/$1.png" "$art/digits.bmp" "$digits_x" $(( oy + 195 )) "$2"; }
cell_is() { check tile "$shots/$1.png" "$art/tileset.bmp" $(( ox + $2 * 25 )) $(( by + $3 * 25 )) "$4"; }
# shows NAME "CHECK ARGS"...: a fresh screenshot NAME passes every CHECK.
shows() {
  local name=$1
  shift
  shot "$name" || return 1
  local step
  while [ $# -gt 0 ]; do
    step=$1
    shift
    read -r -a args <<<"$step"
    "${args[0]}" "$name" "${args[@]:1}" || return 1
  done
}

# --- The level, fresh: no moves, no best yet --------------------------------
new_game first
wait_until 30 level_shown start || fail "the level does not show its panel"
wait_until 10 shows start "moves_are 0" || fail "the moves do not start at 000"
wait_until 10 has_focus "$window" || fail "the game does not have the keyboard"

# --- A push, and Ctrl+Z takes it back --------------------------------------
# Up to (7, 1), turn west and push the mirror to (5, 1): six moves, and the
# beam it turns south lights (5, 2). Ctrl+Z takes the push back (the cell is
# dark again), and again the turn.
xdotool key Up Up Up Up Left Up
wait_until 10 shows pushed "moves_are 6" "cell_is 6 1 6" "cell_is 7 1 2" &&
  ! cell_is pushed 5 2 2 2>/dev/null || fail "the push does not show, or the moves are not 006"
xdotool key ctrl+z
wait_until 10 shows undone "moves_are 5" "cell_is 7 1 6" "cell_is 5 2 2" ||
  fail "Ctrl+Z does not bring the mirror and the robot back, or the moves are not 005"
xdotool key ctrl+z
wait_until 10 shows undone-turn "moves_are 4" "cell_is 7 1 3" ||
  fail "the second Ctrl+Z does not turn the robot back north"

# --- Hints (F2) followed to the win -----------------------------------------
# From (7, 1) facing north the one shortest way: turn west and push the
# mirror twice. Each hint shows as an arrow over the robot, which the key
# then clears. Robot tiles: 3 + direction.
robot_x=7; robot_y=1; facing=0
arrow_shown() { ! cell_is "$1" "$robot_x" "$robot_y" $(( 3 + facing )) 2>/dev/null; }
plain_robot() { cell_is "$1" "$robot_x" "$robot_y" $(( 3 + facing )); }
keys=(Left Up Up)
for n in 1 2 3; do
  key=${keys[n - 1]}
  xdotool key F2
  wait_until 10 shows "hint$n" arrow_shown || fail "hint $n shows no arrow on the robot"
  xdotool key "$key"
  case $key in
    Left) facing=3 ;;
    Up) robot_x=$(( robot_x - 1 )) ;;
  esac
  [ $n = 3 ] || wait_until 10 shows "step$n" plain_robot || fail "the key after hint $n did not clear it"
done
next_x=$(( ox + 9 * 25 + 57 + 75 )); next_y=$(( oy + 125 + 15 ))
wait_until 10 seen won differs "$art/colors.bmp" $next_x $next_y 132 140 ||
  fail "the hints did not lead to the win (no Next Level button)"
wait_until 10 shows won "moves_are 7" "best_is 7" ||
  fail "the win does not show 007 moves and the new best 007"
rm -f "$shots"/step*.png "$shots"/hint3.png

# --- The end of the set, and the level again: its best ---------------------
click $next_x $next_y
box=$(wait_for_window '^Trelux$' 10 "$window") || fail "no congratulations at the end of the set"
press_in_box "$box" Return || fail "Return does not close the congratulations"
new_game again
wait_until 30 level_shown best || fail "the level does not show again"
wait_until 10 shows best "best_is 7" "moves_are 0" || fail "the level's best 007 is not shown"
grep -q "level1 = 7 " "$run/game/levels/bests.ini" || fail "bests.ini does not hold the best"

# --- Leave: closing the play screen returns to the menu, then Quit ---------
wait_until 10 has_focus "$window" || fail "the game does not have the keyboard again"
xdotool key alt+F4
read -r mx my < <(wait_until 20 seen menu-end menu "$art/colors.bmp") || fail "no menu after play"
click $(( mx + width / 2 )) $(( my + 4 * row + row / 2 ))
wait_until 20 ended $game || fail "Quit did not end the game"
echo "aids_through: all checks passed; screenshots in $shots"
