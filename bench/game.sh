#!/usr/bin/env bash
# Timings of the game's own code, headless: "Suite" into a 32-player championship, and a
# question's sound loaded, started and let go of. bench/game.sh [RUNS] (default 9).
# A benchmark, not a test: it prints medians and judges nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target bench_suite bench_questionaudio >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$BUILD_DIR/bench/game/bench_suite" "${1:-9}"
"$BUILD_DIR/bench/game/bench_questionaudio" "${1:-9}"
