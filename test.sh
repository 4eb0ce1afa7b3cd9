#!/usr/bin/env bash
# Sets everything up and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Only read by sanitizer builds.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}
# GCC 12's leak checker crashes on the dynamic thread-local storage it tracks once the program
# holds a dozen libraries with thread-local data (sound and controller libraries included).
export ASAN_OPTIONS=${ASAN_OPTIONS:-intercept_tls_get_addr=0}
cd "${BUILD_DIR:-build}"
# The benchmarks (label bench) are slow and judge no figure: left out unless the call asks for
# their label (`./test.sh -L bench`). CTest takes one label exclusion: a caller's joins ours.
args=() include='' exclude=''
while (($#)); do
  case $1 in
    -L | --label-regex) include+="|${2-}" args+=("$1" "${2-}") ;;
    -LE | --label-exclude) exclude+="|${2-}" ;;
    *) args+=("$1") && shift && continue ;;
  esac
  shift $(($# > 1 ? 2 : 1))
done
[[ $include == *bench* ]] || exclude+='|bench'
ctest --output-on-failure -j"$(nproc)" ${exclude:+-LE "${exclude#|}"} "${args[@]}"
