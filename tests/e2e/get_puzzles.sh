#!/usr/bin/env bash
# "Get Puzzles" as a user would use it: the bonus sets published with
# trelux-tool publish and served by a real nginx (the server block of
# docs/PUZZLE_SERVER.md, on a free port, with a configuration of this test's
# own that runs alike as root and as a user), the game under Wine on the test
# display, the list, the download of Afterglow, and its first level played
# from "New Game". Screenshots are checked at known pixels and kept; the
# list's lines and the boxes' texts are read from the game's own controls.
#   get_puzzles.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
run="$build/e2e-get-puzzles"
shots="$run/shots"
art="$build/art"
tool="$build/host/tools/trelux-tool/trelux-tool"

. "$source/tests/e2e/common.sh"
# What the shown dialogs captioned $1 hold ("ID line: TEXT" for a list box's
# lines, "ID text: TEXT" for other controls), read by a Windows program of
# the build from outside the game: xdotool reads no list box nor box text.
texts() {
  "$build/wine-run" "$build/tests/download/win32/window_texts.exe" "$1" | tr -d '\r'
}
command -v nginx >/dev/null || PATH="$PATH:/usr/sbin"
command -v nginx >/dev/null || fail "no nginx; scripts/deps.sh installs nginx-light"

rm -rf "$run"
mkdir -p "$run/game" "$run/home" "$run/nginx/logs" "$run/nginx/temp" "$shots"

# --- nginx on a free port, serving the published bonus sets ----------------
free_port() {
  /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
# The documented server block, listening on the test's port and rooted in
# the test's published folder.
server_block() {
  sed -n '/^```nginx$/,/^```$/p' "$source/docs/PUZZLE_SERVER.md" | sed '1d;$d' |
    sed -e "s|listen 80;|listen 127.0.0.1:$1;|" -e "s|root /srv/trelux-puzzles;|root $run/site;|"
}
write_config() {
  cat >"$run/nginx/nginx.conf" <<CONF
# One process in the foreground that writes only below $run/nginx: nothing
# switches users, so it runs the same as root and as anyone else.
daemon off;
master_process off;
pid $run/nginx/nginx.pid;
error_log $run/nginx/logs/error.log;
events { worker_connections 64; }
http {
    access_log $run/nginx/logs/access.log;
    client_body_temp_path $run/nginx/temp/body;
    proxy_temp_path $run/nginx/temp/proxy;
    fastcgi_temp_path $run/nginx/temp/fastcgi;
    uwsgi_temp_path $run/nginx/temp/uwsgi;
    scgi_temp_path $run/nginx/temp/scgi;
$(server_block "$1")
}
CONF
}
manifest_served() {
  /usr/bin/python3 -c 'import sys, urllib.request; sys.exit(b"Afterglow" not in urllib.request.urlopen(sys.argv[1]).read())' \
    "http://127.0.0.1:$port/download/files/trelux/download.php"
}
nginx_pid=""
stop_all() {
  [ -z "${game:-}" ] || kill -KILL "$game" 2>/dev/null || true
  [ -z "$nginx_pid" ] || kill "$nginx_pid" 2>/dev/null || true
}
trap stop_all EXIT
# A port taken between the choice and nginx's start: nginx ends, try another.
for attempt in 1 2 3; do
  port=$(free_port)
  rm -rf "$run/site"
  "$tool" publish "$run/site" --base-url "http://127.0.0.1:$port/" \
    "$source/levels/afterglow.txt" "$source/levels/night_shift.txt" >/dev/null
  write_config "$port"
  nginx -p "$run/nginx" -c "$run/nginx/nginx.conf" -e "$run/nginx/logs/error.log" \
    >"$run/nginx/logs/stdout.log" 2>&1 &
  nginx_pid=$!
  if wait_until 20 manifest_served; then break; fi
  kill "$nginx_pid" 2>/dev/null || true
  nginx_pid=""
done
[ -n "$nginx_pid" ] || fail "nginx did not serve the manifest (see $run/nginx/logs/error.log)"

# --- The game folder: the shipped sets, and the server in trelux.ini ------
copy_program "$run/game"
cp -r "$build/game/levels" "$run/game/"
printf '[settings]\r\n\r\nsound = 0\r\nmusic = 0\r\nserver = 127.0.0.1:%s\r\n\r\n' "$port" \
  >"$run/game/trelux.ini"
printf 'pcm.!default { type null }\n' >"$run/home/.asoundrc"

cd "$run/game"
HOME="$run/home" TRELUX_KEEP_HOME=1 "$build/wine-run" trelux.exe >"$run/game.log" 2>&1 &
game=$!
window=$(wait_for_window '^Trelux$' 60) || fail "the main window did not appear"
read -r mx my < <(wait_until 30 seen menu menu "$art/colors.bmp") ||
  fail "the main menu does not show the backdrop with its five buttons"
read -r width height < <(identify -format '%w %h\n' "$art/colors.bmp")
row=$(( height / 5 ))

# --- Get Puzzles: the list of the server's sets ---------------------------
click $(( mx + width / 2 )) $(( my + row + row / 2 ))
list=$(wait_for_window '^Download Web Puzzles$' 30) || fail "Get Puzzles shows no list"
wait_until 10 has_focus "$list" || fail "the list does not have the keyboard"
grep -q 'GET /download/files/trelux/download.php HTTP/1.1" 200' "$run/nginx/logs/access.log" ||
  fail "nginx served no manifest"
shot list
listing=$(texts 'Download Web Puzzles') || fail "the list's lines cannot be read"
lines=$(sed -n 's/^1012 line: //p' <<<"$listing")
[ "$lines" = $'Afterglow\nNight Shift' ] ||
  fail "the list shows \"${lines//$'\n'/, }\", not Afterglow then Night Shift"

# --- Download Afterglow: typing "a" selects it, Return presses Download ----
xdotool key a Return
box=$(wait_for_window '^Trelux$' 30 "$window") || fail "no box after the download"
shot download-complete
said=$(texts 'Trelux') || fail "the box's text cannot be read"
sed -n 's/^[0-9]* text: //p' <<<"$said" | grep -qxF 'Download complete!\nPuzzle set: Afterglow' ||
  fail "the box after the download says: ${said//$'\n'/; }"
grep -q 'GET /sets/afterglow.dat HTTP/1.1" 200' "$run/nginx/logs/access.log" ||
  fail "nginx served no Afterglow"
installed() { grep -l "name = Afterglow" "$run/game/levels/"*.trelux; }
descriptor=$(wait_until 10 installed) || fail "Afterglow was not installed"
grep -q "locked = true" "$descriptor" || fail "the downloaded set is not locked"
press_in_box "$box" Return || fail "Return does not close the box"
wait_until 10 has_focus "$list" || fail "the list does not get the keyboard back"
xdotool key Tab Tab space   # from the list past Download to Finished
wait_until 10 no_window '^Download Web Puzzles$' || fail "Finished does not close the list"

# --- New Game: Afterglow's first level ------------------------------------
read -r mx my < <(wait_until 20 seen menu-again menu "$art/colors.bmp") ||
  fail "the main menu does not return after the list"
click $(( mx + width / 2 )) $(( my + row / 2 ))
chooser=$(wait_for_window '^Choose Puzzle Set$' 20) || fail "no chooser"
takes_keyboard "$chooser" || fail "the chooser does not have the keyboard"
xdotool key a  # the list has the keyboard: A picks Afterglow
shot chooser
xdotool key Return
# Afterglow's level 1 is 12 cells wide; its cyan laser at (3, 4) shines south
# through cells (3, 5) and (3, 6).
level_shown() {
  seen afterglow-1 locate "$art/colors.bmp" >"$run/at" || return 1
  read -r px py <"$run/at"
  ox=$(( px - 12 * 25 )); by=$(( py + $(board_top 10) ))
  check pixel "$shots/afterglow-1.png" $(( ox + 3 * 25 + 12 )) $(( by + 5 * 25 + 4 )) 0 255 255 &&
    check pixel "$shots/afterglow-1.png" $(( ox + 3 * 25 + 12 )) $(( by + 6 * 25 + 20 )) 0 255 255
}
wait_until 30 level_shown || fail "Afterglow's first level is not on screen with its cyan beam"
echo "get_puzzles: all checks passed; screenshots in $shots"
