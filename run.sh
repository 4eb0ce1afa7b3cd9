#!/usr/bin/env bash
# Sets everything up and starts the game from the program folder that the build lays out.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
exec build/app/Tempeljeu "$@"
