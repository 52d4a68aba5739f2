#!/usr/bin/env bash
# The installer in folders named outside ASCII, as a Russian and a French
# user meet it: Wine runs in that user's locale (its ANSI code page, 1251 or
# 1252, comes from LANG), the installer installs into C:\inst\Кириллица\Trelux
# and C:\inst\Jeux d’été\Trelux (the typographic apostrophe is byte 0x92 in
# code page 1252), Play starts the game from there, the first level of the
# training set is won (its progress written into the installed levels.dat),
# and the game is uninstalled: the Russian way through the installer's
# window, the French way through the entry among the installed programs
# after the package folder was deleted. Nothing may stay behind but the
# player's own bests.
# The folder reaches the edit field as %TRELUX_TARGET%, which the installer
# expands: xdotool types ASCII only.
#   install_languages.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
run="$build/e2e-languages"
shots="$run/shots"
art="$build/art"
. "$source/tests/e2e/common.sh"

export WINEPREFIX="$build/wineprefix$wine_lane" WINEDEBUG=-all
key='HKCU\Software\Marblewick\Trelux'
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelux'
profile="$WINEPREFIX/drive_c/users/$(id -un)"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Trelux.lnk"

gone() { ! kill -0 "$1" 2>/dev/null; }
focus_on() {
  xdotool windowfocus "$1" 2>/dev/null
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
press_in() {  # the key in the window of that name
  local box
  box=$(wait_for_window "$1" 30) || fail "no window \"$1\""
  wait_until 10 focus_on "$box" || fail "\"$1\" does not take the keyboard"
  xdotool key "$2"
}
registered() { "$build/wine-run" reg query "$1" </dev/null >/dev/null 2>&1; }

# The installer window's client area, found by its background; sets ox, oy.
convert "$art/install.bmp" -crop 390x370+0+0 +repage "$build/e2e-background.png" 2>/dev/null ||
  fail "no installer background in $art"
locate_window() {
  shot "$1"
  read -r ox oy < <(check locate "$shots/$1.png" "$build/e2e-background.png" 2>/dev/null)
}
at() { xdotool mousemove $(( ox + $1 )) $(( oy + $2 )) click 1; }

rm -rf "$run"
mkdir -p "$shots"
trap 'kill -KILL ${installer:-} ${game:-} 2>/dev/null || true' EXIT

# install_in LANG WINDOWS_FOLDER UNIX_FOLDER NAME: installs, plays level 1.
install_in() {
  local lang=$1 folder=$2 unix=$3 name=$4
  export LANG=$lang LC_ALL=$lang
  for k in "$key" "$entry"; do "$build/wine-run" reg delete "$k" /f </dev/null >/dev/null 2>&1 || true; done
  rm -rf "$WINEPREFIX/drive_c/inst" "$shortcut"
  package="$run/$name/Trelux Setup"
  mkdir -p "$package"
  cp "$build/package/"* "$package/"
  (cd "$package" && TRELUX_TARGET=$folder exec "$build/wine-run" installer.exe >>"$run/$name.log" 2>&1) &
  installer=$!
  wait_for_window '^Trelux$' 60 >/dev/null || fail "$name: the installer's window did not appear"
  wait_until 20 locate_window "$name-screen0" || fail "$name: no installer background"
  at 200 217
  sleep 1
  xdotool key ctrl+a type '%TRELUX_TARGET%'
  shot "$name-directory"
  at 300 292
  press_in '^License Agreement$' Return
  wait_for_window '^Success!$' 60 >/dev/null || fail "$name: no \"Installation complete!\""
  shot "$name-installed"
  press_in '^Success!$' Return
  [ -f "$unix/trelux.exe" ] || fail "$name: nothing installed in $unix"
  while IFS= read -r -d '' file; do
    cmp -s "$file" "$unix/${file#"$build/game/"}" || fail "$name: ${file#"$build/game/"} not installed as built"
  done < <(find "$build/game" -type f -print0)

  # Play, then the training set's first level, won by its solution.
  wait_until 20 locate_window "$name-screen1" || fail "$name: the installer's window is gone"
  at 200 217
  wait_until 20 gone "$installer" || fail "$name: Play did not end the installer"
  window=$(wait_for_window '^Trelux$' 60) || fail "$name: the game did not start from $folder"
  game=$(pgrep -n -f 'trelux.exe' || true)
  wait_until 30 seen "$name-menu" menu "$art/colors.bmp" >/dev/null || fail "$name: no main menu"
  wait_until 10 focus_on "$window" || fail "$name: the menu does not take the keyboard"
  xdotool key Return
  chooser=$(wait_for_window '^Choose Puzzle Set$' 20) || fail "$name: no chooser"
  takes_keyboard "$chooser" || fail "$name: the chooser does not take the keyboard"
  xdotool key t
  shot "$name-chooser"
  xdotool key Return
  wait_until 30 seen "$name-level1" locate "$art/colors.bmp" >/dev/null || fail "$name: no level"
  wait_until 10 focus_on "$window" || fail "$name: the level does not take the keyboard"
  xdotool key --delay 300 Up Up Up Up Left Up
  progressed() { ! cmp -s "$build/game/levels/training/levels.dat" "$unix/levels/training/levels.dat"; }
  wait_until 20 progressed || fail "$name: no progress written into $unix"
  shot "$name-won"
  xdotool key alt+F4
  sleep 1
  wait_until 10 focus_on "$window" || true
  xdotool key alt+F4
  wait_until 30 no_window '^Trelux$' || fail "$name: the game did not end"
}

# Nothing of the installation is left: files, folders, shortcut, registry.
# The player's own file stays, the bests the win wrote, with its folders.
nothing_left() {
  local left
  left=$(cd "$WINEPREFIX/drive_c" && find inst -type f 2>/dev/null | sed 's|^inst/[^/]*/||')
  [ "$left" = "Trelux/levels/bests.ini" ] || { echo "left: $left" >&2; return 1; }
  [ ! -e "$shortcut" ] || { echo "left the shortcut" >&2; return 1; }
  local k
  for k in "$key" "$entry" 'HKCU\Software\Marblewick'; do
    ! registered "$k" || { echo "left $k" >&2; return 1; }
  done
}

# --- Russian: code page 1251, uninstalled through the installer's window -------
install_in ru_RU.UTF-8 'C:\inst\Кириллица\Trelux' "$WINEPREFIX/drive_c/inst/Кириллица/Trelux" russian
(cd "$package" && exec "$build/wine-run" installer.exe >>"$run/russian.log" 2>&1) &
installer=$!
wait_for_window '^Trelux$' 60 >/dev/null || fail "russian: the installer did not start again"
wait_until 20 locate_window russian-again || fail "russian: no installer background"
at 200 267
press_in '^Confirm uninstall$' Return
wait_for_window '^Success$' 60 >/dev/null || fail "russian: no \"Uninstall successful.\""
press_in '^Success$' Return
at 200 317
wait_until 20 gone "$installer" || fail "russian: Quit did not end the installer"
nothing_left || fail "russian: the uninstall left something"

# --- French: code page 1252, the apostrophe 0x92, uninstalled by the entry ------
# shellcheck disable=SC1112  # the typographic apostrophe is the point
install_in fr_FR.UTF-8 'C:\inst\Jeux d’été\Trelux' "$WINEPREFIX/drive_c/inst/Jeux d’été/Trelux" french
rm -rf "$run/french"  # the downloaded package is gone
"$build/wine-run" uninstaller --list </dev/null 2>/dev/null | tr -d '\r' >"$run/uninstaller-list.txt"
grep -q '|||Trelux$' "$run/uninstaller-list.txt" || fail "french: Wine's uninstaller does not list Trelux"
"$build/wine-run" uninstaller --remove Trelux </dev/null >>"$run/french.log" 2>&1 &
press_in '^Confirm uninstall$' Return
wait_for_window '^Success$' 60 >/dev/null || fail "french: no \"Uninstall successful.\""
shot french-uninstalled
press_in '^Success$' Return
wait_until 30 nothing_left || fail "french: the uninstall left something"

echo "install_languages: installed, played and uninstalled in Russian and French; screenshots in $shots"
