#!/usr/bin/env bash
# Times "Suite" into a 32-player championship, headless: bench/suite.sh [RUNS] (default 9).
# A benchmark, not a test: it prints the median and judges nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target bench_suite >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$BUILD_DIR/bench/suite/bench_suite" "${1:-9}"
