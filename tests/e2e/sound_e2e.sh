#!/usr/bin/env bash
# The real program heard through a private sound server with a null sink, whose monitor the
# probe records: with sound on, key presses are heard within 100 ms (the median) and a popped
# bubble is heard; with sound off, and over the menu, nothing is; when the server goes away, and
# with no server at all, play goes on and the program says so once. The server runs as an
# unprivileged user when this runs as root.
# Usage: sound_e2e.sh <wigglepad binary> <sound probe>
set -euo pipefail

app=$1
probe=$2
source "$(dirname "$0")/x11_session.sh"

server_dir="$work/pulse"
export PULSE_SERVER="unix:$server_dir/native"
mkdir -p "$server_dir"
as_server_user=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work"
    chown 65534:65534 "$server_dir"
    as_server_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
"${as_server_user[@]}" env HOME="$server_dir" XDG_RUNTIME_DIR="$server_dir" \
    XDG_CONFIG_HOME="$server_dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no -L "module-null-sink sink_name=play" \
    -L "module-native-protocol-unix socket=$server_dir/native auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
pids+=($!)
wait_for 10 pactl info || fail "the sound server did not start"
start_desktop

# play_with <name> <sound true|false> [mode]: a fresh run with those settings, the banner gone;
# no mode makes the menu show.
play_with() {
    [ -z "${app_pid:-}" ] || { kill "$app_pid" && wait "$app_pid" 2>/dev/null || true; }
    use_settings_with_chosen_mode "${3:-sensory}"
    [ -n "${3:-}" ] || sed -i '/mode/d' "$settings_file"
    echo "wigglepad.sound=$2" >>"$settings_file"
    start_wigglepad "$1"
    [ -z "${3:-}" ] || close_banner
}
probe() { "$probe" "$PULSE_SERVER" play.monitor "$@"; }

# Every press must be heard, half of them within 100 ms: on a loaded machine one may come late.
echo "== Sound on: key presses heard within 100 ms, and a popped bubble heard"
play_with sounding true sensory
probe keys 10 | tee "$work/keys.out" || fail "a press was not heard within a second"
awk '/^median/ { if ($2 + 0 > 100) exit 1 }' "$work/keys.out" || fail "presses were heard late"
probe pop 30 || fail "no bubble was heard popping"
! grep -q sound "$work/sounding.err" || fail "a sound trouble said"

echo "== Sound off, and over the menu: silence"
play_with off false sensory
probe silent 2 || fail "sound although it is off"
play_with menu true
sleep 0.5
probe silent 2 || fail "sound over the menu"

echo "== The sound server going away, and none at all: play goes on, said once"
kill "${pids[0]}"
wait_for 5 eval '! pactl info' || fail "the sound server did not stop"
wait_for 5 grep -q 'went away' "$work/menu.err" || fail "the server's going was not said"
running || fail "the program ended with the sound server"
play_with serverless true sensory
xdotool key a b c d e f sleep 0.5
expect_in_charge "with no sound server"
[ "$(grep -c 'no sound server' "$work/serverless.err")" -eq 1 ] || fail "not said once"
echo "PASS"
