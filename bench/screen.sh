# shellcheck shell=bash
# Sourced by the benchmarks that need a screen. `start_screen WIDTH HEIGHT` starts a virtual
# screen of the benchmark's own and exports DISPLAY, QT_QPA_PLATFORM=xcb, and a runtime and a
# settings folder of its own, so that a run leaves the user's settings alone. Xvfb picks a free
# display number and writes it once it takes clients: a benchmark never measures on a server
# that something else holds. `stop_screen` ends the screen and removes the folders; the
# sourcing script calls it at exit.

screen_dir='' screen_pid=''

stop_screen() {
  if [[ -n $screen_pid ]]; then kill "$screen_pid" 2>/dev/null || true; fi
  if [[ -n $screen_dir ]]; then rm -rf "$screen_dir"; fi
}

start_screen() {
  screen_dir=$(mktemp -d /tmp/bench-screen.XXXXXX)
  export XDG_RUNTIME_DIR=$screen_dir/runtime XDG_CONFIG_HOME=$screen_dir/config
  export QT_QPA_PLATFORM=xcb
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset \
    3>"$screen_dir/display" >/dev/null 2>&1 &
  screen_pid=$!
  local _
  # Slow to start on a busy machine; gone at once when it cannot start at all.
  for _ in $(seq 600); do
    if [[ -s $screen_dir/display ]] || ! kill -0 "$screen_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  [[ -s $screen_dir/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
  DISPLAY=:$(cat "$screen_dir/display")
  export DISPLAY
}
