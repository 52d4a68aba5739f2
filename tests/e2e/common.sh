# Sourced by the end-to-end scripts after they set `build` and `source`:
# the test display of scripts/wine-prefix.sh, the window helpers, and fail.
. "$source/scripts/xvfb.sh"
export DISPLAY=":$(cat "$build/wine-display")"

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}
