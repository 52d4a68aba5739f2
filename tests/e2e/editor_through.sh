#!/usr/bin/env bash
# A puzzle author's first set, as a user makes it: from a fresh game folder,
# "Level Editor" asks for a new set, tools picked on the toolbar place a
# laser, a mirror, a sensor and the robot's start, Ctrl+S saves; a wall
# placed next survives kill -KILL and is restored when the game, started
# again, opens the set in the editor; "Exit Editor" leads back to the menu,
# and "New Game" plays the new set to its congratulation. trelux-tool reads
# the set the editor wrote. Every step waits, with a deadline, for what it
# needs to see; screenshots are checked at known pixels and kept.
#   editor_through.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
run="$build/e2e-editor"
shots="$run/shots"
art="$build/art"
tool="$build/host/tools/trelux-tool/trelux-tool"

. "$source/tests/e2e/common.sh"

# A shown window named as $1 matches, other than the ids in $2.
window_named_other() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [[ " ${2:-} " == *" $id "* ]] || { echo "$id"; return 0; }
  done
  return 1
}
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# --- A fresh game folder: the shipped sets are locked, so nothing to edit ----
rm -rf "$run"
mkdir -p "$run/home" "$shots"
cp -r "$build/game" "$run/game"
printf '[settings]\r\n\r\nsound = 100\r\nmusic = 0\r\n\r\n' >"$run/game/trelux.ini"
printf 'pcm.!default { type null }\n' >"$run/home/.asoundrc"
grep -qi 'locked = true' "$run/game/levels/training.trelux" || fail "the shipped sets should be locked"

# Pictures to find on the screen: the T-mirror tools, four tiles side by side
# in the tileset as on the toolbar's top row.
convert "$art/tileset.bmp" -crop 100x25+100+100 +repage "$run/tmirrors.png"

cd "$run/game"
HOME="$run/home" TRELUX_KEEP_HOME=1 "$build/wine-run" trelux.exe >"$run/game.log" 2>&1 &
game=$!
trap 'kill -KILL $game 2>/dev/null || true' EXIT

window=$(wait_until 60 window_named_other '^Trelux$') || fail "the main window did not appear"
read -r mx my < <(wait_until 30 seen menu menu "$art/colors.bmp") || fail "no main menu"
read -r width height < <(identify -format '%w %h\n' "$art/colors.bmp")
row=$(( height / 5 ))

# --- Level Editor: no unlocked set, so a new one is asked for ---------------
click $(( mx + width / 2 )) $(( my + 2 * row + row / 2 ))
dialog=$(wait_until 20 window_named_other '^New Puzzle Set$') || fail "no New Puzzle Set dialog"
takes_keyboard "$dialog" || fail "the New Puzzle Set dialog does not have the keyboard"
xdotool type --delay 50 "My Lab"
xdotool key Return
toolbar=$(wait_until 20 window_named_other '^Editor Toolbar$') || fail "no editor toolbar"

# The toolbar's client area (tx, ty), found by its T-mirror tools at (50, 0);
# the board's (bx, by), by the panel beside its 7 columns, centred beside it;
# in the screenshot SHOT, with WHICH naming the editor in the failures.
find_editor() {
  local shot=$1 which=$2
  read -r tx ty < <(wait_until 20 seen "$shot" locate "$run/tmirrors.png") ||
    fail "the $which editor shows no palette"
  tx=$(( tx - 50 ))
  read -r px py < <(check locate "$shots/$shot.png" "$art/colors.bmp") ||
    fail "the $which editor shows no panel"
  bx=$(( px - 7 * 25 )); by=$(( py + $(board_top 7) ))
}
find_editor editor-new new
tool() { click $(( tx + $1 * 25 + 12 )) $(( ty + $2 * 35 + 30 )); }
cell() { click $(( bx + $1 * 25 + 12 )) $(( by + $2 * 25 + 12 )); }

# --- Build the level with the mouse ------------------------------------------
tool 1 4; cell 1 3   # red laser facing east
tool 0 3; cell 4 4   # red mirror /
tool 6 4; cell 4 1   # red sensor facing south
tool 7 0; cell 2 5   # the robot's start
# The beam runs along row 3 to the wall; the robot stands at (2, 5); the
# toolbar frames the robot-start tool in gold.
built() {
  seen editor-built pixel $(( bx + 2 * 25 + 4 )) $(( by + 3 * 25 + 12 )) 255 0 0 &&
    check pixel "$shots/editor-built.png" $(( tx + 7 * 25 )) $(( ty + 12 )) 255 196 0 &&
    check pixel "$shots/editor-built.png" $(( bx + 5 * 25 + 20 )) $(( by + 3 * 25 + 12 )) 255 0 0 &&
    check differs "$shots/editor-built.png" "$shots/editor-new.png" $(( bx + 2 * 25 + 12 )) $(( by + 5 * 25 + 6 )) \
      $(( bx + 2 * 25 + 12 )) $(( by + 5 * 25 + 6 ))
}
wait_until 20 built || fail "the laser, its beam and the robot's start are not on the board"

# --- Ctrl+S, and trelux-tool reads what was saved ----------------------------
xdotool windowactivate "$window" 2>/dev/null || true
wait_until 10 focused "$window" || fail "the board does not have the keyboard"
xdotool key ctrl+s
descriptor=$(grep -l 'name = My Lab' "$run/game/levels/"*.trelux) || fail "no descriptor for My Lab"
folder=$(sed -n 's/^path = \.\\levels\\\(.*\)\\\r\?$/\1/Ip' "$descriptor")
saved() {
  "$tool" info "$run/game/levels/$folder/levels.dat" | grep -q 'level 0 size 7 7 robot 2 5 sensors 1 lasers 1'
}
wait_until 20 saved || fail "trelux-tool does not read the saved level: $("$tool" info "$run/game/levels/$folder/levels.dat" 2>&1)"

# --- A wall not saved, the game killed, the wall restored --------------------
# Every edit reaches the working copy at once, and its record says when.
tool 1 0; cell 1 1   # a wall in the top-left corner, off the solution's way
kept() { grep -qs '^time = ' "$run/game/levels/"_ple_*.edits; }
wait_until 20 kept || fail "the wall did not reach the working copy's record"
kill -KILL "$game"
wait_until 20 gone "$game" || fail "the game outlived kill -KILL"
ls "$run/game/levels/"_ple_*.tmp >/dev/null 2>&1 || fail "the killed editor left no working copy"

HOME="$run/home" TRELUX_KEEP_HOME=1 "$build/wine-run" trelux.exe >>"$run/game.log" 2>&1 &
game=$!
window=$(wait_until 60 window_named_other '^Trelux$') || fail "the main window did not appear again"
read -r mx my < <(wait_until 30 seen menu-restarted menu "$art/colors.bmp") || fail "no main menu after the kill"
click $(( mx + width / 2 )) $(( my + 2 * row + row / 2 ))
chooser=$(wait_until 20 window_named_other '^Choose Puzzle Set$') || fail "no chooser for the editor"
takes_keyboard "$chooser" || fail "the editor's chooser does not have the keyboard"
xdotool key m Return
box=$(wait_until 20 window_named_other '^Trelux$' "$window") || fail "restoring the unsaved wall was not offered"
shot restore-question
press_in_box "$box" Return || fail "Return (Yes, the default) does not answer the restore question"
toolbar=$(wait_until 20 window_named_other '^Editor Toolbar$') || fail "no editor toolbar after restoring"
find_editor editor-restored restored
# Without a window manager nothing hands the board back its focus after the
# question: a window manager would, as the player's click on the title would.
wait_until 10 given_focus "$window" || fail "the restored board does not take the keyboard"
xdotool key ctrl+s
restored() { "$tool" decompile "$run/game/levels/$folder/levels.dat" | grep -Eq '^# # +\. \. S'; }
wait_until 20 restored || fail "the saved set lacks the restored wall: $("$tool" decompile "$run/game/levels/$folder/levels.dat" 2>&1)"

# --- Exit Editor from the toolbar's File menu ----------------------------------
click $(( tx + 12 )) $(( ty - 9 ))
# The board's focus was given with the server's time, later than the time
# Wine stamps on the toolbar's focus request: X drops that one, as it would
# after any focus a window manager gave.
wait_until 10 given_focus "$toolbar" || fail "the toolbar's menu does not take the keyboard"
xdotool key x
menu_back() { ! window_named_other '^Editor Toolbar$' >/dev/null && seen menu-after-editor menu "$art/colors.bmp" >/dev/null; }
wait_until 20 menu_back || fail "Exit Editor does not lead back to the main menu"
if ls "$run/game/levels/"_ple_* >/dev/null 2>&1; then fail "the editor left files: $(ls "$run/game/levels/"_ple_*)"; fi

# --- New Game: My Lab, won with R U U L U -------------------------------------
click $(( mx + width / 2 )) $(( my + row / 2 ))
chooser=$(wait_until 20 window_named_other '^Choose Puzzle Set$') || fail "no chooser"
takes_keyboard "$chooser" || fail "the chooser does not have the keyboard"
xdotool key m Return  # the list has the keyboard: M picks My Lab
read -r px py < <(wait_until 30 seen play-my-lab locate "$art/colors.bmp") || fail "My Lab is not played"
bx=$(( px - 7 * 25 )); by=$(( py + $(board_top 7) ))
wait_until 10 focused "$window" || fail "the game does not have the keyboard"
xdotool key --delay 150 Right Up Up Left Up
next_x=$(( bx + 7 * 25 + 57 + 75 )); next_y=$(( py + 125 + 15 ))
won() {
  seen my-lab-won differs "$art/colors.bmp" $next_x $next_y 132 140 &&
    check pixel "$shots/my-lab-won.png" $(( bx + 4 * 25 + 12 )) $(( by + 2 * 25 + 4 )) 255 0 0
}
wait_until 20 won || fail "My Lab is not won (no Next Level button, no beam to the sensor)"
click $next_x $next_y
box=$(wait_until 10 window_named_other '^Trelux$' "$window") || fail "no congratulation at the end of My Lab"
shot congratulation
press_in_box "$box" Return || fail "Return does not close the congratulation"

# --- Back on the menu: Quit ----------------------------------------------------
read -r mx my < <(wait_until 20 seen menu-again menu "$art/colors.bmp") || fail "no main menu after the set"
click $(( mx + width / 2 )) $(( my + 4 * row + row / 2 ))
wait_until 20 gone "$game" || fail "Quit did not end the game"
echo "editor_through: all checks passed; screenshots in $shots"
