#!/usr/bin/env bash
# The real program with broken settings, at 1920x1080 under openbox: a garbage settings file and
# a settings file that is a folder both start with the defaults (the mode menu), and a config
# folder it may not write keeps its file untouched while play goes on. A store that cannot be
# written is said once on stderr; nothing crashes. Usage: settings_faults_e2e.sh <wigglepad binary>
set -euo pipefail

app=$1
source "$(dirname "$0")/x11_session.sh"

start_button=(880 723)
start_blue=0,122,255
cannot_save="cannot save settings"

expect_defaults_menu() {
    expect_pixel "${start_button[@]}" "$start_blue" 5 "$1: the menu is not shown"
    running || fail "$1: the program ended"
}
press_start() { xdotool mousemove "${start_button[@]}" click 1; }
said_times() { grep -c "$cannot_save" "$work/$1.err" || true; }
end_with_sigterm() {
    kill -TERM "$app_pid"
    expect_exit_status 0 "$1: SIGTERM"
}

# The program as the unprivileged user `nobody` when run as root, whom folder permissions do
# not bind; the copy lives where that user can reach it.
as_unprivileged_user=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work"
    cp "$app" "$work/wigglepad"
    app=$work/wigglepad
    as_unprivileged_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp)
fi

start_x_server 1920x1080
start_window_manager
use_scratch_settings

echo "== A garbage settings file: the defaults, and Start writes a sound file over it"
head -c 4096 /dev/urandom >"$settings_file"
printf '\n[General\nwigglepad.mode==\0\nwigglepad.modeChosen=maybe\n' >>"$settings_file"
start_wigglepad garbage
expect_defaults_menu garbage
press_start
expect_pixel "${start_button[@]}" "$surface_colour" 3 "garbage: Start did not begin play"
grep -qx "wigglepad.modeChosen=true" "$settings_file" || fail "garbage: the choice was not stored"
end_with_sigterm garbage

echo "== A settings file that is a folder: the defaults, said once, play goes on"
rm -f "$settings_file"
mkdir "$settings_file"
start_wigglepad folder
expect_defaults_menu folder
press_start
expect_pixel "${start_button[@]}" "$surface_colour" 3 "folder: Start did not begin play"
wait_for 3 grep -q "$cannot_save" "$work/folder.err" || fail "folder: the failed save was not said"
[ -d "$settings_file" ] || fail "folder: the folder in the file's place was removed"
end_with_sigterm folder

echo "== A config folder it may not write: the stored mode plays, the file stays as it was"
rmdir "$settings_file"
use_settings_with_chosen_mode lettersNumbers
cp "$settings_file" "$work/original.conf"
chmod 755 "$XDG_CONFIG_HOME" "$(dirname "$settings_file")"
chmod 644 "$settings_file"
[ "$(id -u)" -eq 0 ] || chmod a-w "$(dirname "$settings_file")" "$settings_file"
start_wigglepad readonly "${as_unprivileged_user[@]}"
expect_pixel 2 1077 "$surface_colour" 5 "readonly: the stored mode did not play at once"
xdotool keydown m
sleep 5.5
xdotool keyup m
expect_defaults_menu "readonly, after the M hold"
wait_for 3 grep -q "$cannot_save" "$work/readonly.err" || fail "readonly: the failed save was not said"
press_start
expect_pixel "${start_button[@]}" "$surface_colour" 3 "readonly: Start did not begin play"
sleep 0.5
[ "$(said_times readonly)" -eq 1 ] || fail "readonly: the failed save was said $(said_times readonly) times"
cmp -s "$settings_file" "$work/original.conf" || fail "readonly: the settings file changed"
end_with_sigterm readonly

echo "PASS"
