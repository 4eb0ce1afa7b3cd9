#!/bin/bash
# CPU of the game during a match: under Xvfb, a one-player game of many questions that nobody
# answers (each question runs its 30 seconds, then the next countdown), measured over 30 s
# from /proc. Between the one-second ticks nothing should run. A benchmark, not a test.
#   bench/quiz/cpu.sh [BUILD_DIR] [SECONDS]      (the build folder: the argument, else BUILD_DIR,
#   else build)
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=$(realpath "${1:-${BUILD_DIR:-build}}")
SECONDS_MEASURED=${2:-30}
source bench/screen.sh
WORK=$(mktemp -d /tmp/quiz-cpu.XXXXXX)
cp -r "$BUILD/app" "$WORK/app"
APP=$WORK/app
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    stop_screen
    rm -rf "$WORK"
}
trap cleanup EXIT
start_screen 800 600

# Many questions, the tick-tock on, text slot 1 only, with a stand-in question program.
printf '"question","500","120","Ding","Buzzer","oui","oui","non","0","1","non"\r\n' >"$APP/KSV.tpq"
printf '"non",%.0s' $(seq 19) >"$APP/themes.tpq"
printf '"oui"' >>"$APP/themes.tpq"
printf ',"non"%.0s' $(seq 6) >>"$APP/themes.tpq"
printf '\r\n' >>"$APP/themes.tpq"
printf '#!/bin/sh\nprintf %s >question.tpq\n' \
    "'\"Question ?\",\"Un\",\"Deux\",\"Trois\",\"Quatre\",\"2\",\"\",\"\"\\r\\n'" >"$APP/fichier_texte"
chmod +x "$APP/fichier_texte"

(cd "$APP" && exec ./Tempeljeu >/dev/null 2>&1) &
APP_PID=$!
sleep 4
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.4}"; }
click 270 129 1.5 # "Jouer" of "1 joueur"
click 771 581 1.5 # "Suite"
click 400 542 5   # "Debut", then past the first countdown
ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
before=$(ticks)
sleep "$SECONDS_MEASURED"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU during ${SECONDS_MEASURED} s of a match: $((after - before)) ticks of 1/$hz s" \
    "($(awk "BEGIN {printf \"%.2f\", 100 * ($after - $before) / $hz / $SECONDS_MEASURED}") %)"
