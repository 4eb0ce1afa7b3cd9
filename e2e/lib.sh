# shellcheck shell=bash disable=SC2034,SC2154  # variables shared with the sourcing script
# What the end-to-end scripts share; each sources it after `set -euo pipefail` and sets `out`,
# the folder of its screenshots, before its first shot.

pids=() xvfb='' work='' failures=0

# Whatever way a script ends, nothing it started outlives it.
kill_at_exit() { pids+=("$1"); }
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
  if [[ -n $work ]]; then rm -rf "$work"; fi
}
trap cleanup EXIT

# copy_app BUILD NAME: the laid-out program folder copied into a new folder under /tmp, gone at
# exit, so that a run's files stay out of the build. Sets work, that folder, and app, the copy.
copy_app() {
  work=$(mktemp -d "/tmp/$2-app.XXXXXX")
  cp -r "$1/app" "$work/app"
  app=$work/app
}

# start_xvfb WIDTH HEIGHT DIR: a virtual screen of the script's own, its runtime folder in DIR.
# Xvfb picks a free display number and writes it once it takes clients, so runs side by side
# never meet. -noreset keeps the keyboard's lock state when the last client leaves.
start_xvfb() {
  width=$1 height=$2
  export XDG_RUNTIME_DIR=$3/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  local number=$XDG_RUNTIME_DIR/display
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
    3>"$number" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [[ -s $number ]] && break; sleep 0.1; done
  [[ -s $number ]] || { echo "Xvfb did not start" >&2; exit 1; }
  DISPLAY=:$(cat "$number")
  export DISPLAY
}

# check DESCRIPTION COMMAND...: the run goes on after a failure, so that one run shows them all.
check() {
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
finish() { echo "screenshots in $out"; exit $((failures > 0)); }
# For the scripts whose next steps make no sense once one has failed.
fail() { echo "FAIL: $*"; exit 1; }

shot() { import -window root "$out/$1.png"; }
# click X Y [PAUSE]: a point of the 800 x 600 windows, which are centred on the display.
click() {
  xdotool mousemove $(((width - 800) / 2 + $1)) $(((height - 600) / 2 + $2)) click 1
  sleep "${3:-0}"
}
# The colour of a pixel of a screenshot, as "r,g,b". ImageMagick's own convert, here and below:
# the one first on PATH may be a stand-in.
pixel() {
  /usr/bin/convert "$out/$1.png" \
    -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# differ A B [WxH+X+Y]: whether two screenshots differ, whole or in one region.
differ() { [[ $(signature "$1" "${3:-}") != $(signature "$2" "${3:-}") ]]; }
signature() { /usr/bin/convert "$out/$1.png" ${2:+-crop "$2" +repage} -format '%#' info:; }
