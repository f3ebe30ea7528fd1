#!/usr/bin/env bash
# The X11 lock-down end to end: a stand-in kiosk window on Xvfb, first without a window
# manager, then under openbox, at last on two monitors and with its main loop stalled.
# Usage: lockdown_e2e.sh <lock-down probe>
set -euo pipefail

probe=("$1")
source "$(dirname "$0")/x11_session.sh"

# start_window_probe <name> [arguments...]: the probe, and its window's id in wid.
start_window_probe() {
    start_probe "$@"
    wid=$(xdotool search --name '^wigglepad lock-down probe$' | head -n 1)
    [ -n "$wid" ] || fail "$1: no window of the probe's"
}
# tab_reaches_probe <name>: sends Alt+Tab, then an x; true if the Tab reached the probe.
tab_reaches_probe() {
    xdotool key --clearmodifiers alt+Tab key x
    wait_for 5 has_line "$1.out" "key 7 78" || fail "$1: the probe never got the x"
    has_line "$1.out" "key 48 09"
}
pointer_x() { xdotool getmouselocation --shell | sed -n 's/^X=//p'; }
on_left() { [ "$(pointer_x)" -lt 640 ]; }
pointer_held() { xdotool mousemove 1000 400 && on_left; }

start_x_server
echo "== Without a window manager the window still covers the screen"
start_window_probe bare 490
covers "$wid" 1280 800 || fail "bare: does not cover the screen: $(xwininfo -id "$wid")"
end_probe bare

start_window_manager
echo "== Locked down (490): full screen, above, keyboard grabbed"
start_window_probe locked 490
wait_for 5 full_screen_above "$wid" || fail "locked: $(net_wm_state "$wid")"
wait_for 5 has_line locked.out grabbed || fail "locked: the keyboard grab never held"
tab_reaches_probe locked || fail "locked: Alt+Tab went to the window manager"

echo "== A held key repeats as presses only, and goes up once"
hold_key Escape 0.8
wait_for 5 has_line locked.out "up 53" || fail "locked: Escape never went up"
[ "$(lines_of locked.out "up 53") $(lines_of locked.out "key 53 1b")" = "1 1" ] ||
    fail "locked: auto-repeat made Escape go up or down more than once"
has_line locked.out "key 53 1b repeat" || fail "locked: Escape never repeated"
end_probe locked
! grep -q "cannot grab" "$work/locked.err" || fail "locked: a grab failure was reported"

echo "== Swipe allowed (458): Alt+Tab reaches the window manager"
start_window_probe swipe 458
! tab_reaches_probe swipe || fail "swipe: Alt+Tab reached the probe, the keyboard is grabbed"
end_probe swipe

echo "== Grabs turned off (-nograb): said once, play goes on"
start_window_probe nograb 490 -nograb
wait_for 5 grep -q "cannot grab the keyboard" "$work/nograb.err" || fail "nograb: never said"
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
wait_for 5 covers "$wid" 640 800 || fail "monitors: not on the left one"
expect_pixel 960 400 "$surface_colour" 5 "monitors: the right monitor is not covered"
pointer_held || fail "monitors: the pointer left the window for x=$(pointer_x)"
echo "options 458" >&4
wait_for 5 has_line monitors.out released || fail "monitors: the grab was not released at 458"
! is_pixel 960 400 "$surface_colour" || fail "monitors: still covered with switching on"
! pointer_held || fail "monitors: the pointer is still held at 458"
echo "options 490" >&4
expect_pixel 960 400 "$surface_colour" 5 "monitors: not covered again at 490"
wait_for 5 on_left || fail "monitors: the grab did not bring the pointer back onto the window"

echo "== A stalled main loop ends the program within the watchdog's 10 s"
ulimit -c 0 # no core file from the abort
echo "stall 60" >&4
SECONDS=0 status=0
wait "$probe_pid" || status=$?
[ "$SECONDS" -le 13 ] || fail "stall: it took $SECONDS s to end"
[ "$status" -eq 134 ] || fail "stall: ended with status $status, not by the abort"
grep -q "stopped responding" "$work/monitors.err" || fail "stall: nothing said on stderr"
! pointer_held || fail "stall: the pointer is still held"
echo "PASS"
