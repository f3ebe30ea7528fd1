#!/usr/bin/env bash
# A child's ways out of the real program, at 1920x1080 under openbox with a second window open:
# the window manager's and the desktop's key combinations, a close request and a minimise
# request. After each the program must still run, full screen, above everything and focused,
# and the desktop must not have moved. Usage: escape_attempts_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

attempt() {
    echo "   $1"
    "${@:2}"
    sleep 0.4
    expect_in_charge "$1"
    xprop -root _NET_CURRENT_DESKTOP | grep -q '= 0$' || fail "$1 switched the desktop"
    xprop -root _NET_SHOWING_DESKTOP | grep -q '= 0$' || fail "$1 showed the desktop"
}
with_keys() { xdotool keydown "$1" && "${@:2}" && xdotool keyup "$1"; }

start_desktop 1920x1080
use_settings_with_chosen_mode
# Something for Alt+Tab to switch to, were it to reach the window manager.
xmessage -name intruder "intruder" >"$work/xmessage.out" 2>&1 &
pids+=($!)
wait_for 5 xdotool search --classname '^intruder$' || fail "xmessage did not come up"
start_wigglepad attempts
expect_in_charge "the start"
close_banner

echo "== Key combinations stay with the program"
for combo in alt+Tab super super+d alt+Escape ctrl+alt+Right ctrl+alt+Left alt+F4 ctrl+q \
    ctrl+w super+Tab alt+F2; do
    attempt "$combo" xdotool key --clearmodifiers "$combo"
done

echo "== The window manager's modifier clicks stay with the program"
attempt "Alt+wheel" with_keys alt xdotool click 4 click 5 click 5
attempt "Ctrl+Alt+wheel" with_keys ctrl+alt xdotool click 5
attempt "Alt+Shift+wheel" with_keys alt+shift xdotool click 5
attempt "Alt+middle click" with_keys alt xdotool click 2
attempt "Alt+right drag" with_keys alt xdotool mousedown 3 mousemove 1200 900 mouseup 3
attempt "Alt+left drag" with_keys alt xdotool mousedown 1 mousemove 900 700 mousemove 700 500 \
    mouseup 1

echo "== Requests from outside are refused or undone"
attempt "a close request" wmctrl -c Wigglepad
attempt "a close request by id" wmctrl -i -c "$wid"
attempt "a minimise request" xdotool windowminimize "$wid"
attempt "a request to leave full screen" wmctrl -i -r "$wid" -b remove,fullscreen
attempt "activating the other window" \
    xdotool windowactivate "$(xdotool search --classname '^intruder$' | head -n 1)"
echo "PASS"
