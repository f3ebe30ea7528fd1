# A private X session for end-to-end scripts: Xvfb, optionally openbox, a scratch directory and
# cleanup of everything started. Source it from a bash script running with set -euo pipefail;
# record every background process started with `pids+=($!)` so that cleanup ends it.

work=$(mktemp -d)
pids=()
# A runtime folder of the run's own, so that copies of the program in other runs (and the
# desktop's own) never see this run's lock of the running copy.
export XDG_RUNTIME_DIR="$work/xdg-runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# as_user: a command prefix for servers that will not run as root (sway, the sound server).
# make_unprivileged <folder>: run as root (as CI does), they run as nobody, owning that folder.
as_user=()
make_unprivileged() {
    [ "$(id -u)" -eq 0 ] || return 0
    chmod 711 "$work"
    chown -R 65534:65534 "$1"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
}

# fail <message>: says what failed, shows the logs gathered in $work and ends the script.
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.out "$work"/*.err; do
        [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    exit 1
}

# wait_for <seconds> <command...>: runs the command until it succeeds, for at most that long.
wait_for() {
    local tries=$(($1 * 20))
    until "${@:2}" >/dev/null 2>&1; do
        [ $((tries -= 1)) -gt 0 ] || return 1
        sleep 0.05
    done
}
# has_line <file in $work> <line>, and how many times it is there.
has_line() { grep -qx -- "$2" "$work/$1"; }
lines_of() { grep -cx -- "$2" "$work/$1" || true; }

# start_x_server [WIDTHxHEIGHT]: a fresh Xvfb on a free display number, 1280x800 by default;
# exports DISPLAY and points Qt at it. start_desktop adds openbox.
start_x_server() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.err" &
    pids+=($!)
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}
start_window_manager() {
    HOME="$work" openbox --sm-disable >"$work/openbox.out" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
}
start_desktop() { start_x_server "$@" && start_window_manager; }

net_wm_state() { xprop -id "$1" _NET_WM_STATE; }
# full_screen_above <window>: full screen, above everything and not minimised.
full_screen_above() {
    net_wm_state "$1" | awk '/_FULLSCREEN/ && /_ABOVE/ && !/_HIDDEN/ { ok = 1 } END { exit !ok }'
}
is_viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
# covers <window> <width> <height>: the window lies at 0,0 and is that large.
covers() {
    xwininfo -id "$1" >"$work/window"
    [ "$(grep -cE "Absolute upper-left [XY]:  0$|Width: $2$|Height: $3$" "$work/window")" = 4 ]
}

# Settings of the run's own, in a scratch config folder; use_settings_with_chosen_mode [mode]
# writes a chosen mode (sensory by default), so the play surface shows at once.
use_scratch_settings() {
    export XDG_CONFIG_HOME="$work/config"
    settings_file="$XDG_CONFIG_HOME/wigglepad/wigglepad.conf"
    mkdir -p "$XDG_CONFIG_HOME/wigglepad"
}
use_settings_with_chosen_mode() {
    use_scratch_settings
    printf '[General]\nwigglepad.modeChosen=true\nwigglepad.mode=%s\n' "${1:-sensory}" \
        >"$settings_file"
}

# The program's windows that are on screen (Qt keeps a hidden one besides).
wigglepad_windows() {
    local id
    for id in $(xdotool search --name '^Wigglepad$'); do is_viewable "$id" && echo "$id"; done
}
wigglepad_window_id() { wigglepad_windows | grep -m 1 .; }

# start_wigglepad <name> [command prefix...]: starts the program ($app) with its output in
# $work/<name>.out and .err, waits for its window; sets app_pid and wid.
start_wigglepad() {
    "${@:2}" "$app" >"$work/$1.out" 2>"$work/$1.err" &
    app_pid=$!
    pids+=("$app_pid")
    wait_for 10 wigglepad_window_id || fail "$1: no window titled Wigglepad came on screen"
    wid=$(wigglepad_window_id)
}
running() { kill -0 "$app_pid" 2>/dev/null; }
# A click in the middle of the screen closes the welcome banner.
close_banner() {
    xdotool mousemove $(xdotool getdisplaygeometry | awk '{ print $1 / 2, $2 / 2 }') click 1
    sleep 0.5
}
# hold_key <key> <seconds>
hold_key() { xdotool keydown "$1" sleep "$2" keyup "$1"; }

# expect_exit_status <status> <what>: the program ends within 5 s, and so.
expect_exit_status() {
    local status=0
    wait_for 5 eval '! running' || fail "$2 did not end it"
    wait "$app_pid" || status=$?
    [ "$status" -eq "$1" ] || fail "$2 ended it with status $status, not $1"
}
stop_wigglepad() { kill -TERM "$app_pid" && expect_exit_status 0 "${1:-SIGTERM}"; }

# The program still holds the screen: running, on screen, full screen, above, focused.
expect_in_charge() {
    running || fail "$1: the program ended"
    is_viewable "$wid" || fail "$1: the window is not on screen"
    wait_for 3 full_screen_above "$wid" || fail "$1: $(net_wm_state "$wid")"
    wait_for 3 sh -c "[ \"\$(xdotool getactivewindow)\" = $wid ]" ||
        fail "$1: another window is active"
}

# The colour of one screen pixel as "r,g,b" in 0..255, and a screenshot into the scratch folder.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}
shot() { import -window root "$work/$1.png"; }
is_pixel() { [ "$(pixel "$1" "$2")" = "$3" ]; }
# expect_pixel <x> <y> <r,g,b> <seconds> <what>: the pixel takes that colour within the time.
expect_pixel() { wait_for "$4" is_pixel "$1" "$2" "$3" || fail "$5: $(pixel "$1" "$2") at $1,$2"; }
surface_colour=250,247,242

# The lock-down probe (the command in the array $probe), steered by writing to descriptor 4.
# start_probe <name> [arguments...] waits until it says "ready"; end_probe <name>: SIGTERM must
# release everything and end it with status 0.
start_probe() {
    mkfifo "$work/$1.in"
    exec 4<>"$work/$1.in"
    "${probe[@]}" "${@:2}" <"$work/$1.in" >"$work/$1.out" 2>"$work/$1.err" &
    probe_pid=$!
    pids+=("$probe_pid")
    wait_for 10 has_line "$1.out" ready || fail "$1: the probe did not come up"
}
end_probe() {
    kill -TERM "$probe_pid"
    local status=0
    wait "$probe_pid" || status=$?
    [ "$status" -eq 0 ] || fail "$1: SIGTERM ended the probe with status $status"
}
