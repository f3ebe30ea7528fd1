#!/usr/bin/env bash
# The program's figures on a private Xvfb at 1920x1080 under openbox: the in-process benchmark
# (first frame, CPU, frame pacing, memory with a full surface and with only bubbles), then the
# real binary measured from outside under scripted real input and 10 s of none (start to first
# frame on screen, CPU, intervals between frames on screen, resident memory each minute and at
# its peak), its start on a session bus and without one (no desktop service to answer), and
# the scripted play again on a 3840x2160 screen.
# Usage: measure_on_xvfb.sh <build directory> [seconds of play]
#   (built with -DCMAKE_BUILD_TYPE=Release; 30 s of play by default, 900 s show memory growth)
set -euo pipefail

build=${1:?usage: measure_on_xvfb.sh <build directory> [seconds of play]}
played=${2:-30}
source "$(dirname "$0")/../../tests/e2e/x11_session.sh"

start_x_server 1920x1080
start_window_manager
use_settings_with_chosen_mode lettersNumbers

echo "== In process: the delegate, window and play view on the real services"
"$build/bench/app/wigglepad_app_bench" --benchmark_counters_tabular=true

measure=("$build/bench/app/tools/wigglepad_play_measure" "$build/src/app/wigglepad")
echo "== From outside: the real binary, played with through XTEST"
"${measure[@]}" "$played"

echo "== From outside: the start on a session bus of its own, then without any session bus"
dbus-run-session -- "${measure[@]}" 0
env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$work" "${measure[@]}" 0

echo "== From outside at 3840x2160: the real binary, played with through XTEST"
start_desktop 3840x2160
"${measure[@]}" "$played"
