#!/usr/bin/env bash
# Start-up to the main window shown, as a ratio to a minimal Qt Widgets window (goal: at most 2),
# measured under an X server as a user sees it: a private Xvfb, QT_QPA_PLATFORM=xcb. Then the
# same on the offscreen platform, which leaves the display server out and so shows only what
# the program itself spends.
#   bench/startup.sh [build dir, default build/normal]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/normal}
args=("$build/src/vexatarn" "$build/bench/minimal_window")
status=0
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bench/bench_startup" "${args[@]}" \
  || status=$?
QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" "${args[@]}" || true
exit $status
