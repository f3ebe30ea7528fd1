#!/usr/bin/env bash
# The program's figures on a private Xvfb at 1920x1080 under openbox: the in-process benchmark
# (first frame, CPU, frame pacing, memory with a full surface and with only bubbles), then the
# real binary measured from outside under 30 s of scripted real input and 10 s of none (start to
# first frame on screen, CPU, intervals between frames on screen, peak memory).
# Usage: measure_on_xvfb.sh <build directory>   (built with -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail

build=${1:?usage: measure_on_xvfb.sh <build directory>}
source "$(dirname "$0")/../../tests/e2e/x11_session.sh"

start_x_server 1920x1080
start_window_manager
use_settings_with_chosen_mode lettersNumbers

echo "== In process: the delegate, window and play view on the real services"
"$build/bench/app/wigglepad_app_bench" --benchmark_counters_tabular=true

echo "== From outside: the real binary, played with through XTEST"
"$build/bench/app/tools/wigglepad_play_measure" "$build/src/app/wigglepad"
