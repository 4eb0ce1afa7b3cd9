#!/usr/bin/env bash
# Runs a benchmark with a home, settings, cache, data and runtime folder of its own, removed at
# its end: what the programs keep for their user (settings, file dialog history, font and
# GStreamer caches) never lands in the user's. The benchmark tests run through it.
#   bench/home.sh COMMAND [ARGS...]
set -euo pipefail
folders=$(mktemp -d /tmp/bench-home.XXXXXX)
trap 'rm -rf "$folders"' EXIT
export HOME=$folders/home XDG_CONFIG_HOME=$folders/config XDG_CACHE_HOME=$folders/cache \
  XDG_DATA_HOME=$folders/data XDG_RUNTIME_DIR=$folders/runtime
mkdir "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$@"
