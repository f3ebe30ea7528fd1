#!/usr/bin/env bash
# The real program end to end on Xvfb with openbox: it covers the screen full screen and above
# the other windows, painted, and ends with status 0 on SIGTERM. Without a display it says so in
# one line and ends with status 1. Usage: app_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

use_settings_with_chosen_mode

# expect_one_line_and_status_1 <name> <env arguments...>: the program cannot start.
expect_one_line_and_status_1() {
    local name=$1; shift
    local status=0
    env "$@" "$app" >"$work/$name.out" 2>"$work/$name.err" || status=$?
    [ "$status" -eq 1 ] || fail "$name: ended with status $status, not 1"
    [ "$(wc -l <"$work/$name.err")" -eq 1 ] || fail "$name: not one line on stderr"
    grep -q display "$work/$name.err" || fail "$name: the line does not mention the display"
    [ ! -s "$work/$name.out" ] || fail "$name: wrote to stdout"
}

echo "== Without a display: one line, status 1"
expect_one_line_and_status_1 nodisplay -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
expect_one_line_and_status_1 deaddisplay -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4077

start_x_server 1280x800
start_window_manager

echo "== It covers the screen, full screen and above"
start_wigglepad app
expect_in_charge "the start"
geometry=$(xwininfo -id "$wid")
grep -q 'Absolute upper-left X:  0$' <<<"$geometry" || fail "not at the left edge"
grep -q 'Absolute upper-left Y:  0$' <<<"$geometry" || fail "not at the top edge"
grep -q 'Width: 1280$' <<<"$geometry" || fail "not the screen's width"
grep -q 'Height: 800$' <<<"$geometry" || fail "not the screen's height"
# The warm off-white surface at the bottom corners, the slate banner at the top.
expect_pixel 2 797 "$surface_colour" 5 "the surface is not painted at the bottom left"
[ "$(pixel 1277 797)" = "$surface_colour" ] || fail "not painted at the bottom right"
[ "$(pixel 640 2)" = "64,64,77" ] || fail "no banner at the top: $(pixel 640 2)"

echo "== SIGTERM ends it with status 0"
kill -TERM "$app_pid"
expect_exit_status 0 "SIGTERM"

echo "PASS"
