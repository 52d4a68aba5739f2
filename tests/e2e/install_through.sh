#!/usr/bin/env bash
# Installs, plays and uninstalls the game from its install package as a user
# would: the package folder copied somewhere, installer.exe started under
# Wine on the test display and clicked through with xdotool (Install ->
# directory -> Install -> agreement Yes -> "Installation complete!" -> Play
# -> the game's menu -> Quit -> the installer again -> Uninstall). Every
# step waits, with a deadline, for what it needs to see; screenshots of each
# screen are checked at known pixels and kept. Before it, an installation
# into a folder whose subfolder cannot be written, which must take back all
# it wrote. With the game installed, its Start-menu shortcut and its entry
# among the installed programs (as Wine's uninstaller lists it, kept in
# uninstaller-list.txt). Then the starts that end with a message: no package
# (exit code 0) and an incomplete one (non-zero).
#   install_through.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
run="$build/e2e-install"
shots="$run/shots"
art="$build/art"
. "$source/tests/e2e/common.sh"

export WINEPREFIX="$build/wineprefix$wine_lane" WINEDEBUG=-all
# The package's default, %LOCALAPPDATA%\Programs\Trelux, as Wine names it.
profile="$WINEPREFIX/drive_c/users/$(id -un)"
target="$profile/AppData/Local/Programs/Trelux"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Trelux.lnk"
key='HKCU\Software\Marblewick\Trelux'
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelux'
locked="$WINEPREFIX/drive_c/inst/Locked"

gone() { ! kill -0 "$1" 2>/dev/null; }
no_window() { ! xdotool search --name "$1" >/dev/null 2>&1; }
# Gives the window the keyboard and says whether it has it.
focus_on() {
  xdotool windowfocus "$1" 2>/dev/null
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
press_in() {  # the key in the box of that caption (found anew, as it may have just opened)
  local box
  box=$(wait_for_window "$1" 20) || fail "no box \"$1\""
  # Without a window manager a box may open without the keyboard's focus;
  # a key sent before it has it is lost.
  wait_until 10 focus_on "$box" || fail "the box \"$1\" does not take the keyboard"
  xdotool key "$2"
}

start_installer() {  # in folder $1; sets installer
  (cd "$1" && exec "$build/wine-run" installer.exe >>"$run/installer.log" 2>&1) &
  installer=$!
}

# --- A clean prefix: nothing installed, no record -----------------------------
for k in "$key" "$entry"; do "$build/wine-run" reg delete "$k" /f </dev/null >/dev/null 2>&1 || true; done
[ -d "$locked/levels" ] && chattr -i "$locked/levels"
rm -rf "$target" "$shortcut" "$run" "$locked"
package="$run/Downloads/Trelux Setup"
mkdir -p "$package" "$shots"
cp "$build/package/"* "$package/"
# Wine takes SIGTERM for the end of one thread only.
trap 'kill -KILL ${installer:-} 2>/dev/null || true; chattr -i "$locked/levels" 2>/dev/null || true' EXIT

# The background as the window shows it: its frame cuts the right and the
# bottom edge, so the top-left part is what is looked for.
convert "$art/install.bmp" -crop 390x370+0+0 +repage "$run/background.png"
# Finds the window's client area by its background; sets ox, oy.
locate_window() {
  shot "$1"
  read -r ox oy < <(check locate "$shots/$1.png" "$run/background.png" 2>/dev/null)
}
# Something is drawn over the background at client point x, y.
covered() { check differs "$shots/$1.png" "$run/background.png" $(( ox + $2 )) $(( oy + $3 )) "$2" "$3" 2>/dev/null; }
plain() { ! covered "$@"; }
# The screens told apart by where their controls are.
screen_is() {
  locate_window "$2" || return 1
  case "$1" in
    0) covered "$2" 200 217 && covered "$2" 200 317 && plain "$2" 200 267 && plain "$2" 40 222 ;;
    1) covered "$2" 200 217 && covered "$2" 200 267 && covered "$2" 200 317 ;;
    2) covered "$2" 40 222 && covered "$2" 300 292 && covered "$2" 300 342 && plain "$2" 200 317 ;;
  esac
}
click() { xdotool mousemove $(( ox + $1 )) $(( oy + $2 )) click 1; }
# The count of pure yellow pixels across the window's client rows $2 to $3.
yellow_pixels() { check count "$shots/$1.png" "$ox" $(( oy + $2 )) 390 $(( $3 - $2 )) 255 255 0; }

# --- Screen 0: Install and Quit ------------------------------------------------
start_installer "$package"
wait_for_window '^Trelux$' 60 >/dev/null || fail "the installer's window did not appear"
wait_until 20 screen_is 0 screen0 || fail "the first screen is not the one for a game not installed"

# --- A folder that cannot be written: the files are written up to levels\,
# then the installation fails, says why, and takes back what it wrote ------------
mkdir -p "$locked/levels"
echo "the player's" >"$locked/notes.txt"
chattr +i "$locked/levels" || fail "chattr +i does not work here"
click 200 217
wait_until 30 screen_is 2 screen2-locked || fail "Install did not show the directory screen"
xdotool key ctrl+a type 'C:\inst\Locked'
click 300 292
press_in '^License Agreement$' Return
wait_for_window '^Error$' 60 >/dev/null || fail "the installation into a locked folder did not fail"
shot rollback-error
press_in '^Error$' Return
wait_until 30 screen_is 0 screen0-rolled-back || fail "after the failure, the first screen is not shown"
[ "$(cd "$locked" && find . -mindepth 1 | sort | tr '\n' ' ')" = "./levels ./notes.txt " ] ||
  fail "the failed installation left files in $locked: $(cd "$locked" && find . -mindepth 1)"
if "$build/wine-run" reg query "$key" </dev/null >/dev/null 2>&1; then fail "a failed installation was recorded"; fi
chattr -i "$locked/levels"

# --- Screen 2: the directory (%LOCALAPPDATA%\Programs\Trelux) ------------------
click 200 217
wait_until 30 screen_is 2 screen2-directory || fail "Install did not show the directory screen"

# --- The agreement, then the installation ---------------------------------------
click 300 292
wait_for_window '^License Agreement$' 20 >/dev/null || fail "no license agreement"
shot license
covered license 200 180 || fail "the agreement is not shown over the window"
press_in '^License Agreement$' Return  # Yes is the default button
box=$(wait_for_window '^Success!$' 60) || fail "no \"Installation complete!\""
shot installed-message
# The installing screen stays behind the message, which covers its text;
# moved aside, the box lets it be seen.
xdotool windowmove "$box" 0 0
shows_installing() {
  shot screen3-installing
  [ "$(yellow_pixels screen3-installing 172 204)" -gt 50 ]
}
wait_until 30 shows_installing || fail "the installing screen shows no yellow \"Installing... Please Wait...\""
press_in '^Success!$' Return
wait_until 30 screen_is 1 screen1-installed || fail "after installing, the installed screen is not shown"

"$build/wine-run" reg query "$key" /v installed </dev/null | tr -d '\r' |
  grep -qF "installed    REG_SZ    C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Trelux\\" ||
  fail "the registry does not record the installation"
[ -s "$shortcut" ] || fail "no Start-menu shortcut"
"$build/wine-run" uninstaller --list </dev/null 2>/dev/null | tr -d '\r' >"$run/uninstaller-list.txt"
grep -q '|||Trelux$' "$run/uninstaller-list.txt" || fail "Wine's uninstaller does not list Trelux"
"$build/wine-run" reg query "$entry" </dev/null | tr -d '\r' >"$run/uninstall-entry.txt"
grep -qF 'uninstall.exe" /uninstall' "$run/uninstall-entry.txt" || fail "the entry has no uninstall command"
while IFS= read -r -d '' file; do
  cmp -s "$file" "$target/${file#"$build/game/"}" || fail "${file#"$build/game/"} was not installed as built"
done < <(find "$build/game" -type f -print0)

# --- Play: the installer ends and the game's menu shows -------------------------
click 200 217
wait_until 20 gone "$installer" || fail "Play did not end the installer"
status=0
wait "$installer" || status=$?
[ "$status" -eq 0 ] || fail "the installer ended with $status after Play"
game_menu() {
  shot game-menu
  read -r mx my < <(check menu "$shots/game-menu.png" "$art/colors.bmp" 2>/dev/null)
}
wait_until 60 game_menu || fail "the installed game shows no main menu"
read -r width height < <(identify -format '%w %h\n' "$art/colors.bmp")
row=$(( height / 5 ))
xdotool mousemove $(( mx + width / 2 )) $(( my + 4 * row + row / 2 )) click 1  # Quit
wait_until 30 no_window '^Trelux$' || fail "Quit did not end the game"

# --- The installer again: screen 1, Uninstall ------------------------------------
start_installer "$package"
wait_for_window '^Trelux$' 60 >/dev/null || fail "the installer's window did not appear again"
wait_until 20 screen_is 1 screen1-again || fail "a second start does not show the installed screen"
click 200 267
wait_for_window '^Confirm uninstall$' 20 >/dev/null || fail "Uninstall asks nothing"
shot confirm-uninstall
press_in '^Confirm uninstall$' Return
wait_for_window '^Success$' 60 >/dev/null || fail "no \"Uninstall successful.\""
shot uninstalled-message
press_in '^Success$' Return
wait_until 30 screen_is 0 screen0-uninstalled || fail "after uninstalling, the first screen is not shown"
# The folders it made go with it: Programs\ did not exist in a clean prefix.
[ ! -e "$target" ] || fail "the uninstall left $target: $(find "$target")"
[ ! -e "$profile/AppData/Local/Programs" ] || fail "the uninstall left the Programs folder it made"
[ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu shortcut"
for k in "$key" "$entry" 'HKCU\Software\Marblewick'; do
  if "$build/wine-run" reg query "$k" </dev/null >/dev/null 2>&1; then fail "the uninstall left $k"; fi
done
click 200 317  # Quit
wait_until 20 gone "$installer" || fail "Quit did not end the installer"
status=0
wait "$installer" || status=$?
[ "$status" -eq 0 ] || fail "Quit ended the installer with $status"

# --- Starts that end with a message ------------------------------------------------
ends_after_message() {  # folder, name of the shot; prints the exit code
  start_installer "$1"
  wait_for_window '^Install Error$' 60 >/dev/null || fail "no \"Install Error\" in $1"
  shot "$2"
  press_in '^Install Error$' Return
  wait_until 20 gone "$installer" || fail "the installer did not end after its message"
  local code=0
  wait "$installer" || code=$?
  echo "$code"
}
mkdir -p "$run/empty" "$run/incomplete"
cp "$build/package/installer.exe" "$run/empty/"
cp "$build/package/installer.exe" "$run/incomplete/"
cp "$build/tests/installer/win32/no_license.dll" "$run/incomplete/INSTALL.DLL"
code=$(ends_after_message "$run/empty" no-package)
[ "$code" -eq 0 ] || fail "without a package the installer ended with $code, not 0"
code=$(ends_after_message "$run/incomplete" incomplete-package)
[ "$code" -ne 0 ] || fail "an incomplete package ended the installer with 0"

echo "install_through: installed, played, uninstalled; screenshots in $shots"
