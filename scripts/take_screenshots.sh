#!/usr/bin/env bash
# Pictures of the real program on Xvfb with openbox, to look at before a change to what people
# see is done: at 1920x1080, 1366x768, 1280x720 and 2560x1440 at a device pixel ratio of 2, the
# mode menu with and without the welcome banner, play in both modes, the exit confirmation and
# both hold bars, each as <folder>/<size>/<name>.png at the screen's full resolution.
#
# Usage: take_screenshots.sh <wigglepad binary> <folder> [WIDTHxHEIGHT@RATIO ...]
#        take_screenshots.sh --readme <wigglepad binary> <folder>
# Screens given as arguments (1920x1080@2 for a 1920x1080 screen at ratio 2) replace the four.
# The program takes its language from the environment: LANG=de_DE.UTF-8 shows the German texts.
# --readme writes only the README's two pictures, the menu and play, at half of 1920x1080;
# docs/screenshots is made with: scripts/take_screenshots.sh --readme <binary> docs/screenshots
#
# Every run of the program gets its own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, so runs never
# share settings or a lock with one another or with a copy of the program already running.
set -euo pipefail

readme=false
if [ "${1:-}" = --readme ]; then
    readme=true
    shift
fi
[ $# -ge 2 ] || { sed -n '2,15p' "$0" >&2; exit 2; }
app=$(realpath "$1")
out=$2
shift 2
screens=("$@")
[ ${#screens[@]} -gt 0 ] || screens=(1920x1080@1 1366x768@1 1280x720@1 2560x1440@2)
source "$(dirname "$0")/../tests/e2e/x11_session.sh"
mkdir -p "$out"

readonly readme_max_bytes=250000
ratio=1
run_count=0

# The size in logical points and the ratio of the current screen, for placing clicks.
points_wide=0
# at <x> <y>: a point given in logical points, in the screen's device pixels, for xdotool.
at() { echo "$(($1 * ratio)) $(($2 * ratio))"; }

# fresh_run [mode]: private folders for the next run, with a chosen mode if one is given.
fresh_run() {
    run_count=$((run_count + 1))
    local dir="$work/run$run_count"
    mkdir -p "$dir/home" "$dir/config/wigglepad" "$dir/runtime"
    chmod 700 "$dir/runtime"
    export HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime"
    [ -z "${1:-}" ] || printf '[General]\nwigglepad.modeChosen=true\nwigglepad.mode=%s\n' "$1" \
        >"$dir/config/wigglepad/wigglepad.conf"
}

start_program() {
    start_wigglepad "$1" env QT_SCALE_FACTOR="$ratio"
    sleep 2
}
stop_program() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" || true
}

# shot_as <folder> <name>: the whole screen at full resolution.
shot_as() {
    mkdir -p "$1"
    import -window root "$1/$2.png"
    echo "   $1/$2.png"
}

# save_for_readme <name> <least colours>: the screen at half size, without metadata, in at most
# 256 colours when that is what it takes to stay small enough for a web page.
save_for_readme() {
    import -window root "$work/$1-full.png"
    convert "$work/$1-full.png" -resize 50% -strip "$out/$1.png"
    [ "$(stat -c %s "$out/$1.png")" -le "$readme_max_bytes" ] ||
        convert "$work/$1-full.png" -resize 50% -strip -dither None -colors 256 "PNG8:$out/$1.png"
    local facts
    facts=$(identify -format '%wx%h %k' "$out/$1.png")
    echo "   $out/$1.png: $facts, $(stat -c %s "$out/$1.png") bytes"
    [ "${facts% *}" = 960x540 ] || fail "$1.png is ${facts% *}, not 960x540"
    [ "${facts#* }" -ge "$2" ] || fail "$1.png has only ${facts#* } colours; is it showing?"
}

close_banner() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at $((points_wide - 38)) 30) click 1 # the close button's centre
    sleep 1
}

# Clicks, a drag, a sweep of the pointer for the rainbow trail and the given keys, spread over
# the screen in proportion to its size.
play_a_while() {
    local w=$((points_wide * ratio)) h=$((points_high * ratio))
    xdotool mousemove $((w / 2)) $((h / 2)) click 1 # closes the banner
    sleep 0.5
    [ -z "$1" ] || xdotool type --delay 120 "$1"
    for spot in 22,72 78,80 86,28 14,32; do
        xdotool mousemove $((w * ${spot%,*} / 100)) $((h * ${spot#*,} / 100)) click 1
        sleep 0.1
    done
    xdotool mousemove $((w * 16 / 100)) $((h * 88 / 100)) mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove $((w * (16 + step * 10) / 100)) $((h * (88 - step * 2) / 100))
        sleep 0.04
    done
    xdotool mouseup 1
    for step in $(seq 0 24); do
        xdotool mousemove $((w * (36 + step * 15 / 10) / 100)) \
            $((h * (76 - (step - 12) * (step - 12) / 6) / 100))
        sleep 0.02
    done
}

# session <WIDTHxHEIGHT of the screen in device pixels> <ratio>: every picture at that size.
session() {
    local size=$1 folder
    ratio=$2
    folder="$out/$size"
    [ "$ratio" = 1 ] || folder="$out/${size}@$ratio"
    points_wide=$((${size%x*} / ratio))
    points_high=$((${size#*x} / ratio))
    echo "== $size at ratio $ratio ($points_wide x $points_high points)"
    start_x_server "$size"
    start_window_manager

    fresh_run
    start_program menu
    shot_as "$folder" menu-with-banner
    close_banner
    shot_as "$folder" menu
    stop_program

    fresh_run sensory
    start_program sensory
    play_a_while 'sensory'
    shot_as "$folder" play-sensory
    stop_program

    fresh_run lettersNumbers
    start_program letters
    play_a_while 'AXZWKRY4589Wiggle'
    shot_as "$folder" play-letters
    for _ in 1 2 3 4 5; do
        # shellcheck disable=SC2046
        xdotool mousemove $(at $((points_wide - 10)) 10) click 1
        sleep 0.1
    done
    sleep 0.5
    shot_as "$folder" confirmation
    stop_program

    fresh_run sensory
    start_program holds
    play_a_while ''
    # Both bars part-way; the keys go up while the screen is read, well before either hold ends.
    xdotool keydown m
    sleep 2
    xdotool keydown Escape
    sleep 1
    shot_as "$folder" hold-bars &
    sleep 0.7
    xdotool keyup Escape keyup m
    wait $!
    stop_program

    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    pids=()
}

readme_pictures() {
    ratio=1
    points_wide=1920
    points_high=1080
    start_x_server 1920x1080
    start_window_manager
    fresh_run
    start_program menu
    close_banner
    save_for_readme menu 200
    stop_program
    fresh_run lettersNumbers
    start_program play
    play_a_while 'Wiggle123'
    save_for_readme play 1000
}

if $readme; then
    readme_pictures
else
    for screen in "${screens[@]}"; do
        session "${screen%@*}" "${screen#*@}"
    done
fi
echo "PASS"
