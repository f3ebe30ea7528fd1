#!/usr/bin/env bash
# The real program end to end at 1920x1080 under openbox, with real input from xdotool: motion, a
# drag, a click and keys each paint something, and the system pointer is hidden while the child
# plays and back once the program has ended on SIGTERM with status 0. Without a display it says
# so in one line and ends with status 1.
# Usage: play_e2e.sh <wigglepad binary> <cursor probe>
set -euo pipefail

app=$1
cursor_probe=$2
source "$(dirname "$0")/x11_session.sh"

# expect_one_line_and_status_1 <name> <what the line says> <env arguments...>: the program
# cannot start.
expect_one_line_and_status_1() {
    local name=$1 says=$2; shift 2
    local status=0
    env "$@" "$app" >"$work/$name.out" 2>"$work/$name.err" || status=$?
    [ "$status" -eq 1 ] || fail "$name: ended with status $status, not 1"
    [ "$(wc -l <"$work/$name.err")" -eq 1 ] || fail "$name: not one line on stderr"
    grep -qF "$says" "$work/$name.err" || fail "$name: the line does not say '$says'"
    [ ! -s "$work/$name.out" ] || fail "$name: wrote to stdout"
}
# Pixels of a shot inside a box that are not the bare surface, within a small colour tolerance.
painted() {
    convert "$work/$1.png" -crop "$2" +repage -fuzz 3% -fill black -opaque "rgb($surface_colour)" \
        -fill white +opaque black -format '%[fx:int(mean*w*h+.5)]' info:
}
# painted_by <what> <at least> <box> <command...>: 0.3 s after the command the box holds at least
# that many more painted pixels than before it, beyond twice what 0.3 s alone changes there.
painted_by() {
    local what=$1 least=$2 box=$3; shift 3
    shot quiet
    sleep 0.3
    shot before
    "$@"
    sleep 0.3
    shot after
    local quiet added
    quiet=$(($(painted before "$box") - $(painted quiet "$box")))
    added=$(($(painted after "$box") - $(painted before "$box")))
    echo "   $what: $added more pixels painted, ${quiet#-} without it"
    [ "$added" -ge $((least + 2 * ${quiet#-})) ] || fail "$what added only $added pixels in $box"
}
not_surface() { [ "$(pixel "$1" "$2")" != "$surface_colour" ]; }
# glide <x0> <y> <x1> [button]: the pointer moves across in small steps, a drag with a button.
glide() {
    xdotool mousemove "$1" "$2"
    [ -z "${4:-}" ] || xdotool mousedown "$4"
    for ((x = $1; x <= $3; x += 20)); do
        xdotool mousemove "$x" "$2"
        sleep 0.01
    done
    [ -z "${4:-}" ] || xdotool mouseup "$4"
}

echo "== Without a display: one line, status 1"
expect_one_line_and_status_1 nodisplay "neither DISPLAY nor WAYLAND_DISPLAY is set" \
    -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
expect_one_line_and_status_1 deaddisplay "cannot open the display" \
    -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4077

start_x_server 1920x1080
start_window_manager
[ "$("$cursor_probe")" = visible ] || fail "the probe does not see the server's own pointer"
use_settings_with_chosen_mode lettersNumbers
start_wigglepad letters
xdotool mousemove 960 540 click 1 # closes the welcome banner
sleep 0.5

echo "== Motion leaves a trail and hides the system pointer; a drag leaves a ribbon"
glide 300 950 900
wait_for 1 not_surface 600 950 || fail "no trail behind the pointer"
[ "$("$cursor_probe")" = hidden ] || fail "the system pointer shows while the child plays"
glide 300 800 900 1
xdotool mousemove 1500 700 # where the click goes next, in time for its trail to fade
sleep 2.5 # the trails fade, the ribbon outlives them
[ "$(pixel 600 950)" = "$surface_colour" ] || fail "the trail did not fade: $(pixel 600 950)"
not_surface 600 800 || fail "no ribbon through the middle of the drag"

echo "== A click drops a figure where it lands; letter keys draw characters in the upper half"
painted_by "the click" 400 240x240+1380+580 xdotool click 1
painted_by "four letters" 12000 1920x600+0+0 xdotool key w a x k
kill -TERM "$app_pid"
expect_exit_status 0 "SIGTERM"
[ "$("$cursor_probe")" = visible ] || fail "the system pointer is still hidden after the run"

echo "PASS"
