#!/usr/bin/env bash
# The real program end to end on Xvfb with openbox: it covers the screen full screen and above
# the other windows, refuses to be closed, and ends with status 0 on SIGTERM. Without a display
# it says so in one line and ends with status 1. Usage: app_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

use_settings_with_chosen_mode

# The colour of one screen pixel as "r,g,b" in 0..255.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o 'srgb([0-9,]*)' |
        tr -d 'srgb()'
}
running() { kill -0 "$app_pid" 2>/dev/null; }

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
"$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
pids+=("$app_pid")
wait_for 10 wigglepad_window_id || fail "no window titled Wigglepad came on screen"
wid=$(wigglepad_window_id)
wait_for 5 sh -c "xprop -id $wid _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN" ||
    fail "not full screen: $(net_wm_state "$wid")"
net_wm_state "$wid" | grep -q _NET_WM_STATE_ABOVE || fail "not above: $(net_wm_state "$wid")"
geometry=$(xwininfo -id "$wid")
grep -q 'Absolute upper-left X:  0$' <<<"$geometry" || fail "not at the left edge"
grep -q 'Absolute upper-left Y:  0$' <<<"$geometry" || fail "not at the top edge"
grep -q 'Width: 1280$' <<<"$geometry" || fail "not the screen's width"
grep -q 'Height: 800$' <<<"$geometry" || fail "not the screen's height"
# The warm off-white surface at the bottom corners, the slate banner at the top.
wait_for 5 sh -c "[ \"\$(import -window root -crop 1x1+2+797 -depth 8 txt:- |
    grep -o 'srgb([0-9,]*)')\" = 'srgb(250,247,242)' ]" ||
    fail "the surface is not painted at the bottom left: $(pixel 2 797)"
[ "$(pixel 1277 797)" = "250,247,242" ] || fail "not painted at the bottom right"
[ "$(pixel 640 2)" = "64,64,77" ] || fail "no banner at the top: $(pixel 640 2)"

echo "== Alt+F4 and the window manager's close leave it running"
xdotool key alt+F4
wmctrl -c Wigglepad
sleep 1
running || fail "a close request ended the program"
is_viewable "$wid" || fail "the window went away"
[ "$(pixel 640 400)" = "250,247,242" ] || fail "the surface is no longer shown"

echo "== SIGTERM ends it with status 0"
kill -TERM "$app_pid"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended it with status $status"

echo "PASS"
