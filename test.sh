#!/usr/bin/env bash
# Sets everything up and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Only read by sanitizer builds.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)" "$@"
