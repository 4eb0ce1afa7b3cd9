#!/usr/bin/env bash
# Editor benchmark under Xvfb: a 10,000-line question file opened and drawn, keystrokes in it,
# a wizard question appended. A benchmark, not a test.
#
#   bench/editor.sh [RUNS]        (RUNS defaults to 7; BUILD_DIR, default build, is the build)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/screen.sh
BUILD_DIR=$(realpath "${BUILD_DIR:-build}")
cmake --build "$BUILD_DIR" --target editor_bench >/dev/null
trap stop_screen EXIT
start_screen 1280 1024
"$BUILD_DIR/editor/editor_bench" "${1:-7}"
