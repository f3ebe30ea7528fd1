#!/usr/bin/env bash
# The X11 lock-down end to end: a stand-in kiosk window on Xvfb, first without a window
# manager, then under openbox, at last on two monitors and with its main loop stalled.
# Usage: lockdown_e2e.sh <lock-down probe>
set -euo pipefail

probe=$1
title="wigglepad lock-down probe"
source "$(dirname "$0")/x11_session.sh"

has_line() { grep -qx -- "$2" "$work/$1.out"; }
window_id() { xdotool search --name "^$title\$" | head -n 1; }

# start_window_probe <name> [arguments...]: the probe, and its window's id in wid.
start_window_probe() {
    start_probe "$@"
    wid=$(window_id)
    [ -n "$wid" ] || fail "$1: no window titled '$title'"
}

# tab_reaches_probe <name>: sends Alt+Tab, then an x; true if the Tab reached the probe.
tab_reaches_probe() {
    xdotool key --clearmodifiers alt+Tab
    xdotool key x
    wait_for 5 has_line "$1" "key 7 78" || fail "$1: the probe never got the x"
    has_line "$1" "key 48 09"
}

pointer_x() { xdotool getmouselocation --shell | sed -n 's/^X=//p'; }

start_x_server

echo "== Without a window manager the window still covers the screen"
start_window_probe bare 490
geometry=$(xwininfo -id "$wid")
grep -q 'Absolute upper-left X:  0$' <<<"$geometry" || fail "bare: not at the left edge"
grep -q 'Absolute upper-left Y:  0$' <<<"$geometry" || fail "bare: not at the top edge"
grep -q 'Width: 1280$' <<<"$geometry" || fail "bare: not the screen's width"
grep -q 'Height: 800$' <<<"$geometry" || fail "bare: not the screen's height"
end_probe bare

start_window_manager

echo "== Locked down (490): full screen, above, keyboard grabbed"
start_window_probe locked 490
wait_for 5 sh -c "xprop -id $wid _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN" ||
    fail "locked: not full screen: $(net_wm_state "$wid")"
net_wm_state "$wid" | grep -q _NET_WM_STATE_ABOVE ||
    fail "locked: not above: $(net_wm_state "$wid")"
wait_for 5 has_line locked grabbed || fail "locked: the keyboard grab never held"
tab_reaches_probe locked || fail "locked: Alt+Tab went to the window manager"

echo "== A held key repeats as presses only, and goes up once"
xdotool keydown Escape
sleep 0.8
xdotool keyup Escape
wait_for 5 has_line locked "up 53" || fail "locked: Escape never went up"
[ "$(grep -c -x "up 53" "$work/locked.out")" -eq 1 ] ||
    fail "locked: auto-repeat made Escape go up more than once"
[ "$(grep -c -x "key 53 1b" "$work/locked.out")" -eq 1 ] ||
    fail "locked: Escape went down more than once without repeating"
grep -q -x "key 53 1b repeat" "$work/locked.out" || fail "locked: Escape never repeated"

end_probe locked
grep -q "cannot grab" "$work/locked.err" && fail "locked: a grab failure was reported"

echo "== Swipe allowed (458): Alt+Tab reaches the window manager"
start_window_probe swipe 458
if tab_reaches_probe swipe; then
    fail "swipe: Alt+Tab reached the probe although the keyboard is not grabbed"
fi
end_probe swipe

echo "== Grabs turned off (-nograb): said once, play goes on"
start_window_probe nograb 490 -nograb
wait_for 5 grep -q "cannot grab the keyboard" "$work/nograb.err" ||
    fail "nograb: the failed grab was never said"
# Activating the window again retries the grab; the failure is still said only once.
xdotool windowactivate --sync "$wid" || true
sleep 0.5
end_probe nograb
[ "$(grep -c "cannot grab the keyboard" "$work/nograb.err")" -eq 1 ] ||
    fail "nograb: the failed grab was not said exactly once"

echo "== Two monitors: the pointer stays on the window, the other monitor is covered"
xrandr --setmonitor '*left' 640/169x800/212+0+0 screen >/dev/null
xrandr --setmonitor right 640/169x800/212+640+0 none
start_window_probe monitors 490
wait_for 5 sh -c "xwininfo -id $wid | grep -q 'Width: 640$'" || fail "monitors: not on the left one"
expect_pixel 960 400 "$surface_colour" 5 "monitors: the right monitor is not covered"
xdotool mousemove 1000 400
[ "$(pointer_x)" -lt 640 ] || fail "monitors: the pointer left the window for x=$(pointer_x)"
echo "options 458" >&4
wait_for 5 has_line monitors released || fail "monitors: the grab was not released at 458"
[ "$(pixel 960 400)" != "$surface_colour" ] || fail "monitors: still covered with switching on"
xdotool mousemove 1000 400
[ "$(pointer_x)" -eq 1000 ] || fail "monitors: the pointer is still held at 458"
echo "options 490" >&4
expect_pixel 960 400 "$surface_colour" 5 "monitors: not covered again at 490"
wait_for 5 sh -c "[ \$(xdotool getmouselocation --shell | sed -n 's/^X=//p') -lt 640 ]" ||
    fail "monitors: the grab did not bring the pointer back onto the window"

echo "== A stalled main loop ends the program within the watchdog's 10 s"
ulimit -c 0 # no core file from the abort
echo "stall 60" >&4
stalled_at=$SECONDS
status=0
wait "$probe_pid" || status=$?
[ $((SECONDS - stalled_at)) -le 13 ] || fail "stall: it took $((SECONDS - stalled_at)) s to end"
[ "$status" -eq 134 ] || fail "stall: ended with status $status, not by the abort"
grep -q "stopped responding" "$work/monitors.err" || fail "stall: nothing said on stderr"
xdotool mousemove 1000 400
[ "$(pointer_x)" -eq 1000 ] || fail "stall: the pointer is still held"

echo "PASS"
