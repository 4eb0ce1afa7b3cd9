#!/usr/bin/env bash
# Renders the golden pictures of the screens anew, after a change that is meant to show.
# Look at every changed picture (git diff --stat tests/golden, then an image viewer) before
# committing them: the test trusts whatever is stored here.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build}
tools/setup.sh >/dev/null
TEMPEL_GOLDEN_RENDER=1 QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tests/test_game" \
  --gtest_filter='Golden.*' --gtest_brief=1
TEMPEL_GOLDEN_RENDER=1 QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tests/test_admin" \
  --gtest_filter='GoldenOutil.*' --gtest_brief=1
git status --short tests/golden
