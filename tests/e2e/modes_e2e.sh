#!/usr/bin/env bash
# The mode menu end to end, at 1920x1080 under openbox: a first start shows it; choosing the
# second card and Start stores "lettersNumbers" with the choice made, so the next start plays at
# once; holding M for 5 s brings the menu back and forgets that a choice was made, and leaving
# from there keeps the stored mode. A settings file that is a folder: the menu, play goes on and
# the failed save is said once on stderr. Usage: modes_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

# Where the menu puts things on a 1920x1080 screen.
second_card=(1132 450)
first_card=(790 450)
start_button=(880 723)
selected_card=217,235,255
unselected_card=255,255,255
start_blue=0,122,255

setting() { grep -x "wigglepad.$1=.*" "$settings_file" | cut -d= -f2; }
expect_setting() {
    [ "$(setting "$1")" = "$2" ] || fail "$3: wigglepad.$1 is '$(setting "$1")', not '$2'"
}
said_times() { grep -c "cannot save settings" "$work/$1.err" || true; }
expect_menu() {
    expect_pixel "${start_button[@]}" "$start_blue" 5 "$1: no Start button"
    [ "$(pixel "${first_card[@]}")" = "$2" ] || fail "$1: the first card is not as expected"
    [ "$(pixel "${second_card[@]}")" = "$3" ] || fail "$1: the second card is not as expected"
}

start_x_server 1920x1080
start_window_manager
use_scratch_settings

echo "== A first start shows the menu with the first card chosen"
start_wigglepad first
expect_menu first "$selected_card" "$unselected_card"

echo "== Choosing the second card and Start stores the choice and plays"
xdotool mousemove "${second_card[@]}" click 1
expect_pixel "${second_card[@]}" "$selected_card" 3 "the second card was not chosen"
[ "$(pixel "${first_card[@]}")" = "$unselected_card" ] || fail "both cards are chosen"
xdotool mousemove "${start_button[@]}" click 1
expect_pixel "${start_button[@]}" "$surface_colour" 3 "Start did not close the menu"
expect_setting mode lettersNumbers "Start"
expect_setting modeChosen true "Start"
kill -TERM "$app_pid"
expect_exit_status 0 "SIGTERM"

echo "== The next start plays at once"
start_wigglepad second
expect_pixel 2 1077 "$surface_colour" 5 "no play surface"
[ "$(pixel "${start_button[@]}")" = "$surface_colour" ] || fail "the menu came back"

echo "== Holding M for 5 s brings the menu back and forgets the choice was made"
xdotool keydown m
sleep 4
[ "$(setting modeChosen)" = true ] || fail "the menu hold ended before 5 s"
expect_pixel "${start_button[@]}" "$start_blue" 3 "the menu did not come back"
xdotool keyup m
expect_setting modeChosen false "the menu hold"
expect_setting mode lettersNumbers "the menu hold"
expect_menu "the menu hold" "$unselected_card" "$selected_card"

echo "== Leaving from the menu keeps the stored mode, and the choice stays forgotten"
xdotool keydown Escape
sleep 3.5
xdotool keyup Escape
expect_exit_status 0 "holding Escape in the menu"
expect_setting modeChosen false "leaving from the menu"
expect_setting mode lettersNumbers "leaving from the menu"

echo "== A settings file that is a folder: the menu, play goes on, the failed save said once"
rm "$settings_file"
mkdir "$settings_file"
start_wigglepad folder
expect_pixel "${start_button[@]}" "$start_blue" 5 "folder: the menu is not shown"
xdotool mousemove "${start_button[@]}" click 1
expect_pixel "${start_button[@]}" "$surface_colour" 3 "folder: Start did not begin play"
wait_for 3 grep -q "cannot save settings" "$work/folder.err" || fail "folder: nothing said"
[ "$(said_times folder)" -eq 1 ] ||
    fail "folder: the failed save was said $(said_times folder) times"
kill -TERM "$app_pid"
expect_exit_status 0 "folder: SIGTERM"

echo "PASS"
