#!/usr/bin/env bash
# The golden path of the real program at 1920x1080 under openbox, with an adult at the controls:
# choosing a mode in the menu (stored, forgotten by the M hold, a settings file that cannot be
# written), the ways out (the corner's five clicks with their confirmation, the Escape hold), a
# child who clicks in the corner and mashes keys and never gets out, a second start and a killed
# copy.
# Usage: golden_path_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

# Where the menu and the confirmation put things on a 1920x1080 screen, and their colours.
first_card=(790 450) second_card=(1132 450) start_button=(880 723)
cancel_button=(860 552) exit_button=(990 552)
chosen=217,235,255 unchosen=255,255,255 start_blue=0,122,255 exit_red=255,59,48

setting() { sed -n "s/^wigglepad.$1=//p" "$settings_file"; }
# expect_settings <what> <mode> <whether a mode was chosen>
expect_settings() {
    local got="$(setting mode) $(setting modeChosen)"
    [ "$got" = "$2 $3" ] || fail "$1: mode and choice made are '$got', not '$2 $3'"
}
# expect_menu <what> <first card's colour> <second card's colour>
expect_menu() {
    expect_pixel "${start_button[@]}" "$start_blue" 5 "$1: no Start button"
    is_pixel "${first_card[@]}" "$2" && is_pixel "${second_card[@]}" "$3" ||
        fail "$1: the cards are not as expected"
}
click_at() { xdotool mousemove "$@" click 1; }
expect_play() { expect_pixel "${start_button[@]}" "$surface_colour" "$2" "$1"; }
# The undimmed surface shows in one of these places at least, whatever figures lie about.
undimmed() {
    for at in "5 1075" "100 900" "1800 1000" "960 150"; do
        is_pixel $at "$surface_colour" && break
    done
}
expect_confirmation() {
    expect_pixel "${exit_button[@]}" "$exit_red" 3 "$1: no Exit button"
    ! undimmed || fail "$1: the surface is not dimmed"
}
# mash <seconds> <keys...>: random keys of these, four a second.
mash() {
    local typed=() i
    for ((i = 0; i < $1 * 4; i++)); do typed+=("${@:RANDOM % ($# - 1) + 2:1}"); done
    echo "   typed: ${typed[*]}" >"$work/mash.log"
    xdotool key --delay 250 "${typed[@]}"
}

start_desktop 1920x1080
use_scratch_settings

echo "== A first start shows the menu with the first card chosen"
start_wigglepad first
expect_menu first "$chosen" "$unchosen"

echo "== Choosing the second card and Start stores the choice and plays"
click_at "${second_card[@]}"
expect_pixel "${second_card[@]}" "$chosen" 3 "the second card was not chosen"
is_pixel "${first_card[@]}" "$unchosen" || fail "both cards are chosen"
click_at "${start_button[@]}"
expect_play "Start did not close the menu" 3
expect_settings Start lettersNumbers true
stop_wigglepad

echo "== The next start plays at once"
start_wigglepad second
expect_pixel 2 1077 "$surface_colour" 5 "no play surface"
expect_play "the menu came back" 0

echo "== Holding M for 5 s brings the menu back and forgets the choice was made"
xdotool keydown m sleep 4
expect_settings "the menu hold ended before 5 s" lettersNumbers true
expect_pixel "${start_button[@]}" "$start_blue" 3 "the menu did not come back"
xdotool keyup m
expect_settings "the menu hold" lettersNumbers false
expect_menu "the menu hold" "$unchosen" "$chosen"

echo "== Leaving from the menu keeps the stored mode, and the choice stays forgotten"
hold_key Escape 3.5
expect_exit_status 0 "holding Escape in the menu"
expect_settings "leaving from the menu" lettersNumbers false

echo "== A settings file that is a folder: the menu, play goes on, the failed save said once"
rm "$settings_file"
mkdir "$settings_file"
start_wigglepad folder
expect_pixel "${start_button[@]}" "$start_blue" 5 "folder: the menu is not shown"
click_at "${start_button[@]}"
expect_play "folder: Start did not begin play" 3
wait_for 3 grep -q "cannot save settings" "$work/folder.err" || fail "folder: nothing said"
[ "$(grep -c "cannot save settings" "$work/folder.err")" -eq 1 ] ||
    fail "folder: the failed save was said more than once"
stop_wigglepad "folder: SIGTERM"
rmdir "$settings_file"
use_settings_with_chosen_mode

echo "== Five rapid clicks top-right open the confirmation; Cancel goes back to play"
start_wigglepad confirm
close_banner
xdotool mousemove 1900 20 click --repeat 5 --delay 80 1
expect_confirmation "five clicks"
click_at "${cancel_button[@]}"
expect_pixel 100 900 "$surface_colour" 3 "Cancel did not go back to play"
expect_in_charge "after Cancel"

echo "== Five more and Exit end the run with status 0"
xdotool mousemove 1900 20 click --repeat 5 --delay 80 1
expect_confirmation "five more clicks"
click_at "${exit_button[@]}"
expect_exit_status 0 "Exit"
! wigglepad_window_id || fail "the window is still on screen after Exit"

echo "== A child's clicks at 2 Hz in the corner and keys that press nothing: closed by itself"
start_wigglepad child
close_banner
# A child: the pointer pushed into the top-right pixel, clicks twice a second.
xdotool mousemove 1919 0 click --repeat 6 --delay 500 1
expect_confirmation "clicks at 2 Hz"
mash 16 Return KP_Enter Up Down Left Right a 7
running || fail "keys ended the run"
undimmed || fail "the unattended confirmation is still up after 16 s"

echo "== The clicks go on while 30 s of random keys with Tab and Space fall: still running"
xdotool mousemove 1919 0 click --repeat 6 --delay 500 1
expect_confirmation "clicks at 2 Hz again"
# Each Cancel the keys press, the clicks undo: the keys keep landing on the confirmation.
xdotool click --repeat 60 --delay 500 1 &
clicking=$!
pids+=("$clicking")
mash 30 Tab shift+Tab space Return KP_Enter Up Down Left Right a 7
wait "$clicking"
running || fail "random keys ended the run: $(cat "$work/mash.log")"

echo "== A second start says so and leaves the first copy alone"
timeout 10 "$app" >"$work/second.out" 2>"$work/second.err" || fail "the second start failed"
[ "$(grep -cx "Wigglepad is already running" "$work/second.err")" -eq 1 ] ||
    fail "the second start did not say once that Wigglepad is already running"
[ "$(wigglepad_windows | wc -l)" -eq 1 ] || fail "not exactly one Wigglepad window on screen"

echo "== Holding Escape for 3 s ends the first copy with status 0"
xdotool keydown Escape sleep 2.5
running || fail "it ended before the 3 s were up"
wait_for 3 eval '! running' || fail "still running after holding Escape"
xdotool keyup Escape
expect_exit_status 0 "holding Escape"
! wigglepad_window_id || fail "the window is still on screen after holding Escape"

echo "== A killed copy's lock does not keep the next one from starting"
start_wigglepad killed
kill -KILL "$app_pid"
wait "$app_pid" || true
start_wigglepad after_kill
expect_in_charge "the start after a killed copy"
echo "PASS"
