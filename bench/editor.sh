#!/usr/bin/env bash
# Editor benchmark under Xvfb: a 10,000-line question file opened and drawn, keystrokes in it,
# a wizard question appended. A benchmark, not a test.
#
#   bench/editor.sh [RUNS]        (RUNS defaults to 7)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target editor_bench >/dev/null
display=:$((140 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$BUILD_DIR/editor/editor_bench" "${1:-7}"
