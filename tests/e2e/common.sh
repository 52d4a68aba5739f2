# Sourced by the end-to-end scripts after they set `build` and `source`:
# the test display of scripts/wine-prefix.sh, the waits and window helpers
# of scripts/xvfb.sh, screenshots and their checks, and fail. Every step
# waits, with a deadline, for what it needs to see.
. "$source/scripts/xvfb.sh"

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}

. "$source/scripts/wine-lane.sh"
[ -f "$build/wine-display$wine_lane" ] ||
  fail "no test display; start it with scripts/wine-prefix.sh start $build"
export DISPLAY=":$(cat "$build/wine-display$wine_lane")"
xdpyinfo >/dev/null 2>&1 ||
  fail "the test display $DISPLAY does not answer; start it again with scripts/wine-prefix.sh start $build"

# The screenshots and their checks (shots.py), in one Python that stays
# (Debian's own, which has numpy and PIL from the packages). Its pipes are
# copied to descriptors of their own, which subshells keep as well.
coproc SHOTS { exec /usr/bin/python3 "$source/tests/e2e/shots.py" serve; }
exec {shots_in}>&"${SHOTS[1]}" {shots_out}<&"${SHOTS[0]}"
# Runs `shots.py COMMAND ARGS...` in it: its output, messages and status.
check() {
  local request status lines messages line
  printf -v request '%s\t' "$@"
  printf '%s\n' "${request%$'\t'}" >&"$shots_in" &&
    read -r status lines messages <&"$shots_out" ||
    { echo "the screenshot checker has ended" >&2; return 2; }
  for (( ; lines > 0; lines-- )); do read -r line <&"$shots_out"; echo "$line"; done
  for (( ; messages > 0; messages-- )); do read -r line <&"$shots_out"; echo "$line" >&2; done
  return "$status"
}
# Saves the screen as FILE.
screenshot() { check shot "$1"; }

# Saves the screen as FILE, then runs `check COMMAND FILE ARGS...` on it.
shot_shows() {
  local file=$1 command=$2
  shift 2
  screenshot "$file" && check "$command" "$file" "$@"
}

# Saves screenshot NAME into $shots.
shot() { screenshot "$shots/$1.png"; }
# Saves screenshot NAME into $shots and checks it with shots.py COMMAND ARGS...
seen() { local name=$1; shift; shot_shows "$shots/$name.png" "$@"; }

# How far below the panel's top a board of $1 rows starts: a board shorter
# than the panel's 280 pixels is centred beside it.
board_top() { local height=$(( $1 * 25 )); echo $(( height < 280 ? (280 - height) / 2 : 0 )); }

# A left click at X Y of the screen.
click() { xdotool mousemove "$1" "$2" click 1; }

# Copies the game's program files from the build into folder $1.
copy_program() {
  cp "$build/game/trelux.exe" "$build/game/trelux.dll" "$build/game/startup.dat" "$1/"
}

# The window ID has the keyboard.
has_focus() {
  local focus
  focus=$(xdotool getwindowfocus 2>/dev/null)
  [ "$focus" = "$1" ] || {
    echo "window $1 does not have the keyboard; $focus ($(xdotool getwindowname "$focus" 2>/dev/null)) has it" >&2
    return 1
  }
}

# No shown window is named as $1 matches.
no_window() {
  ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 ||
    { echo "a window named $1 is still there" >&2; return 1; }
}

# The process PID has ended.
ended() {
  ! kill -0 "$1" 2>/dev/null || { echo "process $1 still runs" >&2; return 1; }
}

# Waits until the message box or dialog $1, just shown, has the keyboard.
# Wine gives an unmanaged window X's focus stamped with the time of its
# thread's last message, and a loaded X server can drop that request as
# stale: the window is then active for Windows (its button shows the focus)
# while X sends the keys elsewhere. A player's click on it mends that; after
# 5 s the test does the same, and says so.
takes_keyboard() {
  wait_until 5 has_focus "$1" 2>/dev/null && return 0
  echo "$(basename "$0" .sh): the window $1 had no keyboard after 5 s; clicked on it" >&2
  wait_until 10 given_focus "$1"
}
given_focus() { xdotool windowfocus "$1" 2>/dev/null; has_focus "$1"; }

# Presses KEY in the message box $1 and waits until the box is gone. A key
# sent in the moment X's focus moves may reach no window; it is sent again.
press_in_box() {
  local box=$1 key=$2
  takes_keyboard "$box" || return 1
  xdotool key "$key"
  wait_until 3 box_gone "$box" 2>/dev/null && return 0
  echo "$(basename "$0" .sh): the box $box did not take $key; pressed again" >&2
  takes_keyboard "$box" || return 1
  xdotool key "$key"
  wait_until 10 box_gone "$box"
}
box_gone() {
  ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" ||
    { echo "the box $1 is still shown" >&2; return 1; }
}

