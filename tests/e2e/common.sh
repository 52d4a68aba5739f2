# Sourced by the end-to-end scripts after they set `build` and `source`:
# the test display of scripts/wine-prefix.sh, the waits and window helpers
# of scripts/xvfb.sh, screenshots and their checks, and fail. Every step
# waits, with a deadline, for what it needs to see.
. "$source/scripts/xvfb.sh"

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}

[ -f "$build/wine-display" ] ||
  fail "no test display; start it with scripts/wine-prefix.sh start $build"
export DISPLAY=":$(cat "$build/wine-display")"
xdpyinfo >/dev/null 2>&1 ||
  fail "the test display $DISPLAY does not answer; start it again with scripts/wine-prefix.sh start $build"

# Debian's own Python, which has numpy and PIL from the packages.
check() { /usr/bin/python3 "$source/tests/e2e/shots.py" "$@"; }

# Saves the screen as FILE, then runs `check COMMAND FILE ARGS...` on it.
shot_shows() {
  local file=$1 command=$2
  shift 2
  import -window root "$file" && check "$command" "$file" "$@"
}

# Saves screenshot NAME into $shots and checks it with shots.py COMMAND ARGS...
seen() { local name=$1; shift; shot_shows "$shots/$name.png" "$@"; }

# A left click at X Y of the screen.
click() { xdotool mousemove "$1" "$2" click 1; }

# Copies the game's program files from the build into folder $1.
copy_program() {
  cp "$build/game/trelux.exe" "$build/game/trelux.dll" "$build/game/startup.dat" "$1/"
}

# The window ID has the keyboard.
has_focus() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] ||
    { echo "window $1 does not have the keyboard" >&2; return 1; }
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
