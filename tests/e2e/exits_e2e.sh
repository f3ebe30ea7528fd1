#!/usr/bin/env bash
# The adults' ways out of the real program, at 1920x1080 under openbox: five rapid clicks in the
# top-right corner open the confirmation, Cancel goes back to play, five more and Exit end the
# run with status 0; holding Escape for 3 s (and not less) ends it with status 0 too.
# Usage: exits_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

# Where the confirmation puts things on a 1920x1080 screen, and what the dimmed surface looks like.
cancel_button=(860 552)
exit_button=(990 552)
exit_red=255,59,48
dimmed_probe=(100 900)
dimmed_surface=150,148,145

five_rapid_clicks_top_right() { xdotool mousemove 1900 20 click --repeat 5 --delay 80 1; }
expect_confirmation() {
    expect_pixel "${exit_button[@]}" "$exit_red" 3 "$1: no Exit button"
    [ "$(pixel "${dimmed_probe[@]}")" = "$dimmed_surface" ] || fail "$1: the surface is not dimmed"
}

start_x_server 1920x1080
start_window_manager
use_settings_with_chosen_mode

echo "== Five rapid clicks top-right open the confirmation; Cancel goes back to play"
start_wigglepad confirm
xdotool mousemove 960 540 click 1 # closes the welcome banner
sleep 0.5
five_rapid_clicks_top_right
expect_confirmation "five clicks"
xdotool mousemove "${cancel_button[@]}" click 1
expect_pixel "${dimmed_probe[@]}" "$surface_colour" 3 "Cancel did not go back to play"
expect_in_charge "after Cancel"

echo "== Five more and Exit end the run with status 0"
five_rapid_clicks_top_right
expect_confirmation "five more clicks"
xdotool mousemove "${exit_button[@]}" click 1
expect_exit_status 0 "Exit"
! wigglepad_window_id || fail "the window is still on screen after Exit"

echo "== Holding Escape for 3 s ends the run with status 0"
start_wigglepad escape
xdotool keydown Escape
sleep 2.5
running || fail "it ended before the 3 s were up"
wait_for 3 sh -c "! kill -0 $app_pid" || fail "still running after holding Escape"
xdotool keyup Escape
expect_exit_status 0 "holding Escape"
! wigglepad_window_id || fail "the window is still on screen after holding Escape"

echo "PASS"
