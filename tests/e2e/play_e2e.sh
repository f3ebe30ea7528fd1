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

# cannot_start <name> <what its one line says> <env arguments...>
cannot_start() {
    local status=0
    env "${@:3}" "$app" >"$work/$1.out" 2>"$work/$1.err" || status=$?
    [ "$status" -eq 1 ] || fail "$1: ended with status $status, not 1"
    [ "$(wc -l <"$work/$1.err")" -eq 1 ] && grep -qF "$2" "$work/$1.err" ||
        fail "$1: not one line on stderr saying '$2'"
    [ ! -s "$work/$1.out" ] || fail "$1: wrote to stdout"
}
# Pixels of a shot inside a box that are not the bare surface, within a small colour tolerance.
painted() {
    convert "$work/$1.png" -crop "$2" +repage -fuzz 3% -fill black -opaque "rgb($surface_colour)" \
        -fill white +opaque black -format '%[fx:int(mean*w*h+.5)]' info:
}
# painted_by <what> <at least> <box> <command...>: 0.3 s after the command the box holds at least
# that many more painted pixels than before it, beyond twice what 0.3 s alone changes there.
painted_by() {
    shot quiet
    sleep 0.3
    shot before
    "${@:4}"
    sleep 0.3
    shot after
    local quiet=$(($(painted before "$3") - $(painted quiet "$3")))
    local added=$(($(painted after "$3") - $(painted before "$3")))
    echo "   $1: $added more pixels painted, ${quiet#-} without it"
    [ "$added" -ge $(($2 + 2 * ${quiet#-})) ] || fail "$1 added only $added pixels in $3"
}
# glide <x0> <y> <x1> [button]: the pointer moves across in small steps, a drag with a button.
glide() {
    xdotool mousemove "$1" "$2" ${4:+mousedown $4}
    for ((x = $1; x <= $3; x += 20)); do xdotool mousemove "$x" "$2" sleep 0.01; done
    [ -z "${4:-}" ] || xdotool mouseup "$4"
}

echo "== Without a display: one line, status 1"
cannot_start nodisplay "neither DISPLAY nor WAYLAND_DISPLAY is set" \
    -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
cannot_start deaddisplay "cannot open the display" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    DISPLAY=:4077

start_desktop 1920x1080
[ "$("$cursor_probe")" = visible ] || fail "the probe does not see the server's own pointer"
use_settings_with_chosen_mode lettersNumbers
start_wigglepad letters
close_banner

echo "== Motion leaves a trail and hides the system pointer; a drag leaves a ribbon"
glide 300 950 900
wait_for 1 eval '! is_pixel 600 950 $surface_colour' || fail "no trail behind the pointer"
[ "$("$cursor_probe")" = hidden ] || fail "the system pointer shows while the child plays"
glide 300 800 900 1
xdotool mousemove 1500 700 # where the click goes next, in time for its trail to fade
sleep 2.5                  # the trails fade, the ribbon outlives them
is_pixel 600 950 "$surface_colour" || fail "the trail did not fade: $(pixel 600 950)"
! is_pixel 600 800 "$surface_colour" || fail "no ribbon through the middle of the drag"

echo "== A click drops a figure where it lands; letter keys draw characters in the upper half"
painted_by "the click" 400 240x240+1380+580 xdotool click 1
painted_by "four letters" 12000 1920x600+0+0 xdotool key w a x k
stop_wigglepad
[ "$("$cursor_probe")" = visible ] || fail "the system pointer is still hidden after the run"
echo "PASS"
