#!/usr/bin/env bash
# Latency of the French voice (speak() to the first samples handed to the audio output) and of
# the game controllers (a press on an SDL virtual controller to the report on the interface
# thread), with the CPU the controller polling takes; built against the build's platform
# library. A benchmark, not a test.
#
#   bench/latency.sh [SPEECH_RUNS] [PRESSES]     (BUILD_DIR, default build, is the build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${BUILD_DIR:-build}")
work=${BENCH_DIR:-$build/bench-latency}
cmake --build "$build" --target itemcore platform voix manettes >/dev/null
cmake -S bench/latency -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTEMPEL_BUILD="$build" >/dev/null
cmake --build "$work" >/dev/null
export QT_QPA_PLATFORM=offscreen
"$work/speech_latency" "${1:-20}" 2>/dev/null
"$work/controller_latency" "${2:-200}" 2>/dev/null
