#!/usr/bin/env bash
# Real input into the real program on Xvfb with openbox, typed and clicked with xdotool: keys
# and clicks paint the surface, Alt+Tab and Super stay with the program instead of the window
# manager, and holding Escape for 3 s ends the run with status 0 and the window gone.
# Usage: input_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

use_settings_with_chosen_mode

shot() { import -window root "$work/$1.png"; }
# Pixels that differ between two shots, beyond a small colour tolerance.
changed() {
    { compare -metric AE -fuzz 3% "$work/$1.png" "$work/$2.png" null: 2>&1 || true; } |
        awk '{ printf "%d\n", $1 }'
}
# changes_over <name> <seconds> [command...]: pixels changed while the command ran and the
# surface went on for that long.
changes_over() {
    local name=$1 seconds=$2; shift 2
    shot "$name-before"
    "$@"
    sleep "$seconds"
    shot "$name-after"
    local pixels
    pixels=$(changed "$name-before" "$name-after")
    echo "   $name: $pixels pixels changed" >&2
    echo "$pixels"
}
# expect_painting <name> <pixels> <quiet pixels>: well over twice what the surface changes alone.
expect_painting() {
    [ "$2" -gt $(($3 * 2 + 2000)) ] ||
        fail "$1 changed $2 pixels, hardly more than the $3 of a quiet second"
}
desktop() { xprop -root _NET_CURRENT_DESKTOP | awk '{ print $3 }'; }
nothing() { :; }
clicks() { xdotool click 1 click 1 click 3; }
keys() { xdotool key 0 0 0 a; }

start_x_server 1280x800
start_window_manager
# Something for Alt+Tab to switch to, were it to reach the window manager.
xmessage -name intruder "intruder" >"$work/xmessage.out" 2>&1 &
pids+=($!)
wait_for 5 xdotool search --classname '^intruder$' || fail "xmessage did not come up"

"$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
pids+=("$app_pid")
wait_for 10 wigglepad_window_id || fail "no window titled Wigglepad came on screen"
wid=$(wigglepad_window_id)
wait_for 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $wid ]" || fail "the window is not active"

echo "== The first click only dismisses the banner"
xdotool mousemove 640 500 click 1
sleep 2

echo "== Clicks and keys paint"
quiet=$(changes_over quiet 1 nothing)
expect_painting clicks "$(changes_over clicks 0.3 clicks)" "$quiet"
sleep 8 # until the figures have faded
quiet=$(changes_over quiet2 1 nothing)
expect_painting keys "$(changes_over keys 0.5 keys)" "$quiet"

echo "== Alt+Tab and Super stay with the program"
xdotool key --clearmodifiers alt+Tab super+F2 super+d
sleep 0.5
[ "$(xdotool getactivewindow)" = "$wid" ] || fail "Alt+Tab switched to another window"
[ "$(desktop)" = 0 ] || fail "Super+F2 switched the desktop"
xprop -root _NET_SHOWING_DESKTOP | grep -q '= 0' || fail "Super+D showed the desktop"

echo "== Holding Escape for 3 s ends the run with status 0"
xdotool keydown Escape
sleep 2
kill -0 "$app_pid" 2>/dev/null || fail "it ended before the 3 s were up"
wait_for 4 sh -c "! kill -0 $app_pid" || fail "still running after holding Escape"
xdotool keyup Escape
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the Escape hold ended it with status $status"
! wigglepad_window_id || fail "the window is still on screen"

echo "PASS"
