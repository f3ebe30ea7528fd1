#!/usr/bin/env bash
# Screenshots of the real program on a 1920x1080 Xvfb with openbox, for the README: the mode
# menu, and the play surface a moment after letters, digits, clicks, a drag and a sweep of the
# pointer. Each is saved at half size as menu.png and play.png, small enough for a web page.
# Usage: take_screenshots.sh <wigglepad binary> [folder]; the folder defaults to
# $WIGGLEPAD_SCREENSHOT_DIR, else to the run's scratch folder, removed at the end.
# docs/screenshots is made with: tests/e2e/take_screenshots.sh <binary> docs/screenshots
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"
out=${2:-${WIGGLEPAD_SCREENSHOT_DIR:-$work}}
mkdir -p "$out"

readonly max_bytes=250000

# save <name>: the screen at half size, without metadata, in at most 256 colours when that is
# what it takes to stay small.
save() {
    import -window root "$work/$1-full.png"
    convert "$work/$1-full.png" -resize 50% -strip "$out/$1.png"
    [ "$(stat -c %s "$out/$1.png")" -le "$max_bytes" ] ||
        convert "$work/$1-full.png" -resize 50% -strip -dither None -colors 256 "PNG8:$out/$1.png"
    local facts
    facts=$(identify -format '%wx%h %k' "$out/$1.png")
    echo "   $out/$1.png: $facts, $(stat -c %s "$out/$1.png") bytes"
    [ "${facts% *}" = 960x540 ] || fail "$1.png is ${facts% *}, not 960x540"
    [ "$(stat -c %s "$out/$1.png")" -le "$max_bytes" ] || fail "$1.png is over $max_bytes bytes"
    [ "${facts#* }" -ge "$2" ] || fail "$1.png has only ${facts#* } colours; is it showing?"
}

start_program() {
    start_wigglepad "$1"
    sleep 1.5
    xdotool mousemove 1882 30 click 1 # the info banner's close button
    sleep 1
}

start_x_server 1920x1080
start_window_manager

echo "== The mode menu, on a first start"
use_scratch_settings
start_program menu
save menu 200
kill "$app_pid"
wait "$app_pid" || true

echo "== Play in Letters & Numbers"
use_settings_with_chosen_mode lettersNumbers
start_program play
xdotool mousemove 700 600
xdotool type --delay 120 'Wiggle123'
xdotool key --delay 120 comma slash bracketleft
for spot in 420,780 1500,860 1650,300 260,350; do
    xdotool mousemove "${spot%,*}" "${spot#*,}" click 1
    sleep 0.1
done
xdotool mousemove 300 950 mousedown 1
for x in 500 700 900 1100 1300; do
    xdotool mousemove "$x" $((950 - (x - 300) / 8))
    sleep 0.04
done
xdotool mouseup 1
for step in $(seq 0 24); do # a sweep from left to right for the rainbow trail
    xdotool mousemove $((700 + step * 30)) $((820 - (step - 12) * (step - 12) * 2))
    sleep 0.02
done
save play 1000

echo "PASS"
