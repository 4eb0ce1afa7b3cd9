# shellcheck shell=bash disable=SC2034,SC2154  # variables shared with the sourcing script
# What the end-to-end scripts share; each sources it after `set -euo pipefail`, then calls
# `setup`. They run side by side with each other and the unit tests, on a busy machine too: no
# fixed pause, every step waits for what it needs, up to a deadline that fails clearly.

pids=() xvfb='' work='' app='' sanitizer_logs='' failures=0 timed_out=0
film_dir='' film_pid='' film_next=0 films=0
source_dir=$(realpath "$(dirname "${BASH_SOURCE[0]}")/..")
# Generous: a wait ends as soon as what it waits for is there.
deadline=${E2E_DEADLINE:-60}

# Whatever way a script ends, nothing it started outlives it.
kill_at_exit() { pids+=("$1"); }
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
  if [[ -n $work ]]; then rm -rf "$work"; fi
}
trap cleanup EXIT

# setup NAME BUILD PROGRAM...: `build`, the build folder (the one beside the scripts when BUILD
# is empty), which must hold the programs; `out`, the run's screenshots and logs,
# BUILD/e2e/NAME, emptied; `work`, a temporary folder gone at exit, which also holds the run's
# home, settings, cache, data and runtime folders: nothing the programs or the tools write
# lands in the user's.
setup() {
  local name=$1 program
  build=$(realpath "${2:-$(dirname "${BASH_SOURCE[0]}")/../build}")
  shift 2
  for program in "$@"; do
    [[ -x $build/products/$program ]] || { echo "no $program in $build/products: build first" >&2; exit 1; }
  done
  out=$build/e2e/$name
  rm -rf "$out"
  mkdir -p "$out"
  work=$(mktemp -d "/tmp/e2e-$name.XXXXXX")
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
    XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # A sanitizer build's programs write their address and leak reports there, each to a file
  # of its own; the programs they start (the question programs, the tool) inherit this. The
  # undefined-behaviour checks, a runtime apart with GCC, write to standard error whatever
  # their log_path: the programs' logs in `out` are read for them. `finish` reads both.
  sanitizer_logs=$out/sanitizer
  mkdir -p "$sanitizer_logs"
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}log_path=$sanitizer_logs/report"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1"
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$source_dir/tests/lsan.supp}
}

# sanitizer_reports: whether the programs the run drove ended without a sanitizer report; the
# reports found printed. A program writes its leaks as it ends: the question programs still
# running are waited for.
sanitizer_reports() {
  local log found=0
  local report='ERROR: (AddressSanitizer|LeakSanitizer)|Sanitizer has encountered a fatal error|runtime error:'
  if [[ -n $app ]]; then await not pgrep -f "^$app/questions/" || true; fi
  for log in "$sanitizer_logs"/report.* "$out"/*.log; do
    if [[ -f $log ]] && grep -qE "$report" "$log"; then
      echo "FAIL sanitizer report, in full in $log:"
      grep -m 5 -A 12 -E "$report" "$log"
      found=1
    fi
  done
  return $found
}

# copy_app: a program folder of the run's own in `work`, as at a first start; sets `app`. It
# holds the build's products (programs, their modules, question programs and packs) and the
# data files as the build delivers them; nothing of the build's program folder, where a
# user's own settings, scores, texts, pictures and recordings are theirs.
copy_app() {
  app=$work/app
  mkdir "$app"
  cp -r "$build/products/." "$build/delivered/." "$app"
}

# start_xvfb WIDTH HEIGHT: a virtual screen of the script's own, its keyboard with the French
# letters (e2e/clavier.c). Xvfb picks a free display number and writes it once it takes
# clients, so runs side by side never meet. -noreset keeps the keyboard's lock state when the
# last client leaves.
start_xvfb() {
  width=$1 height=$2
  export QT_QPA_PLATFORM=xcb
  local number=$XDG_RUNTIME_DIR/display
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
    3>"$number" >/dev/null 2>&1 &
  xvfb=$!
  await test -s "$number" || fail "Xvfb did not start"
  DISPLAY=:$(cat "$number")
  export DISPLAY
  helper clavier -lX11
  "$work/clavier" || fail "no room on the virtual keyboard for the French letters"
}
# helper NAME LIBRARY...: e2e/NAME.c built into `work`, once.
helper() {
  local name=$1
  shift
  [[ -x $work/$name ]] || gcc -O2 "$source_dir/e2e/$name.c" -o "$work/$name" "$@"
}

# await COMMAND...: COMMAND run again until it succeeds or the deadline passes; its last status.
# Once one wait has run out, the program is not doing what the run expects: the later waits
# last a tenth as long, so that a broken run still ends soon.
await() {
  local end=$((SECONDS + deadline))
  until "$@"; do
    if ((SECONDS >= end)); then
      ((timed_out)) || deadline=$(((deadline + 9) / 10))
      timed_out=1
      return 1
    fi
    sleep 0.1
  done
}
# wait_for WHAT COMMAND...: waits for what the next steps need; the run stops without it.
wait_for() {
  local what=$1 waited=$deadline
  shift
  await "$@" || { shot timeout || true; fail "waited $waited s for $what (see timeout.png)"; }
}
# check DESCRIPTION COMMAND...: waits for COMMAND to hold; the run goes on after a failure, so
# that one run shows them all.
check() {
  local what=$1
  shift
  if await "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
# The programs still running in the run's folders (their working folder there): those the
# script started and those they started in turn.
running() {
  local process
  for process in /proc/[0-9]*; do
    case $(readlink "$process/cwd" 2>/dev/null) in "$work" | "$work"/*) return 0 ;; esac
  done
  return 1
}
# A program writes its leaks as it ends: the script ends each one the way its user does before
# it finishes, and a program left running fails the run.
finish() {
  check "every program it started has ended" not running
  sanitizer_reports || failures=$((failures + 1))
  echo "screenshots in $out"
  exit $((failures > 0))
}
# For the scripts whose next steps make no sense once one has failed.
fail() {
  echo "FAIL: $*"
  sanitizer_reports || true
  exit 1
}

shot() {
  rm -f "$out/$1.ppm"
  import -window root "$out/$1.png"
}
# The screenshot NAME, taken by `shot` or kept from a film.
screenshot() { if [[ -f $out/$1.ppm ]]; then echo "$out/$1.ppm"; else echo "$out/$1.png"; fi; }
# shows NAME COMMAND...: screenshot NAME taken anew, then COMMAND, which looks at it.
shows() {
  shot "$1"
  shift
  "$@"
}
# click X Y: a point of the 800 x 600 windows, which are centred on the display, as are the
# points and regions below.
click() { xdotool mousemove $(((width - 800) / 2 + $1)) $(((height - 600) / 2 + $2)) click 1; }
# The colour of a point of a screenshot, as "r,g,b". ImageMagick's own convert, here and below:
# the one first on PATH may be a stand-in.
# A film's frame is read in place: its header is "P6\nWIDTH HEIGHT\n255\n", one byte a colour.
pixel() {
  local x=$(((width - 800) / 2 + $2)) y=$(((height - 600) / 2 + $3)) header="P6 $width $height 255 "
  if [[ -f $out/$1.ppm ]]; then
    od -An -tu1 -j $((${#header} + 3 * (y * width + x))) -N3 "$out/$1.ppm" |
      awk '{ print $1 "," $2 "," $3 }'
    return
  fi
  /usr/bin/convert "$out/$1.png" \
    -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:
}
# is COLOUR NAME X Y: whether that point is white, red, green, blue or yellow.
is() {
  local r g b
  IFS=, read -r r g b <<<"$(pixel "$2" "$3" "$4")"
  case $1 in
    white) ((r > 230 && g > 230 && b > 230)) ;;
    red) ((r > 150 && g < 100 && b < 100)) ;;
    green) ((g > 150 && r < 100 && b < 120)) ;;
    blue) ((b > 180 && r < 100 && g < 150)) ;;
    yellow) ((r > 200 && g > 200 && b < 80)) ;;
  esac
}
# differ A B [WxH+X+Y]: whether two screenshots differ, whole or in one region.
differ() { [[ $(signature "$1" "${3:-}") != $(signature "$2" "${3:-}") ]]; }
same() { ! differ "$@"; }
# The colours alone, whatever the file's format.
signature() {
  local crop=()
  if [[ $2 =~ ^([0-9]+x[0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    crop=(-crop "${BASH_REMATCH[1]}+$(((width - 800) / 2 + BASH_REMATCH[2]))+$(((height - 600) / 2 + BASH_REMATCH[3]))" +repage)
  fi
  /usr/bin/convert "$(screenshot "$1")" "${crop[@]}" -depth 8 rgb:- | md5sum
}

# film X Y...: from now on, each change of the screen at those points of the 800 x 600 windows
# is kept as a frame, the whole screen (e2e/film.c). It is woken by the X server as the screen
# is drawn, not by a clock: a state that lasts only a while (the welcome screen's two seconds,
# a question's thirty) is filmed however busy the machine, where a poll of screenshots, each
# taking seconds there, can miss it. Ends the run's former film.
film() {
  local points=()
  helper film -lX11 -lXdamage
  if [[ -n $film_pid ]]; then kill "$film_pid" 2>/dev/null || true; fi
  while (($# >= 2)); do
    points+=($(((width - 800) / 2 + $1)) $(((height - 600) / 2 + $2)))
    shift 2
  done
  films=$((films + 1)) film_next=0
  film_dir=$work/film$films
  mkdir "$film_dir"
  echo "film $films, frame, ms, colours at ${points[*]}:" >>"$out/film.log"
  "$work/film" "$film_dir" "${points[@]}" >>"$out/film.log" &
  film_pid=$!
  kill_at_exit "$film_pid"
  wait_for "the film to start" test -e "$film_dir/ready"
}
# filmed NAME COMMAND...: whether a frame filmed since the last call passes COMMAND, which looks
# at it as screenshot NAME (as with `shows`). The frames are tried in order, each once: the one
# that passes stays as NAME, and the next call starts after it.
filmed() {
  local name=$1 frame
  shift
  while frame=$film_dir/$(printf %04d "$film_next").ppm && [[ -f $frame ]]; do
    film_next=$((film_next + 1))
    rm -f "$out/$name.png"
    cp "$frame" "$out/$name.ppm"
    if "$@"; then return 0; fi
  done
  return 1
}

not() { ! "$@"; }
ended() { ! kill -0 "$1" 2>/dev/null; }
# close_window PID TITLE: the program's shown window of that title asked to close, as a window
# manager's close button asks (e2e/fermer.c); the caller checks that the program ends.
close_window() {
  local id
  helper fermer -lX11
  id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1)
  if [[ -z $id ]] || ! "$work/fermer" "$id"; then echo "no window \"$2\" of $1 to close"; fi
}
# focused TITLE: whether the window with the keyboard has that title (an extended regular
# expression, as below: Qt may add the program's name).
focused() { [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) =~ $1 ]]; }
# window TITLE: the id of the shown window of that title.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
shown() { [[ -n $(window "$1") ]]; }
gone() { ! shown "$1"; }

# The game's screens, each told by a point of its own in screenshot NAME taken anew: the game
# choice's quit picture (red), the avatar screen's "Suite" arrow (blue), the game screen's
# "Debut" button (green).
on_choice() { shows "$1" is red "$1" 771 581 && is white "$1" 330 140; }
on_avatars() { shows "$1" is blue "$1" 771 581; }
on_game() { shows "$1" is green "$1" 262 532; }
