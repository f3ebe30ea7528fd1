# A private X session for end-to-end scripts: Xvfb, optionally openbox, a scratch directory and
# cleanup of everything started. Source it from a bash script running with set -euo pipefail;
# record every background process started with `pids+=($!)` so that cleanup ends it.

work=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

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
    local seconds=$1; shift
    local tries=$((seconds * 20))
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# start_x_server [WIDTHxHEIGHT]: a fresh Xvfb on a free display number, 1280x800 by default;
# exports DISPLAY and points Qt at it.
start_x_server() {
    local size=${1:-1280x800}
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.err" &
    pids+=($!)
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}

start_window_manager() {
    HOME="$work" openbox --sm-disable >"$work/openbox.out" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
}

# Facts about a window, by id.
net_wm_state() { xprop -id "$1" _NET_WM_STATE; }
is_viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }

# Settings of the run's own with a mode already chosen, so the play surface shows at once.
use_settings_with_chosen_mode() {
    export XDG_CONFIG_HOME="$work/config"
    mkdir -p "$XDG_CONFIG_HOME/wigglepad"
    printf '[General]\nwigglepad.modeChosen=true\nwigglepad.mode=sensory\n' \
        >"$XDG_CONFIG_HOME/wigglepad/wigglepad.conf"
}

# The program's window: the one of its name that is on screen (Qt keeps a hidden one besides).
wigglepad_window_id() {
    local id
    for id in $(xdotool search --name '^Wigglepad$'); do
        is_viewable "$id" && { echo "$id"; return 0; }
    done
    return 1
}
