#!/bin/bash
# End-to-end: the real game under Xvfb, from the game choice through the avatar screen's
# "Suite" into a 4-player championship. Leaves screenshots in the output folder, checks
# that the game screen shows its knock-out table and the two players of the first match,
# and that the idle game screen uses no CPU.
# Usage: e2e/championship.sh [build dir] [output dir]
set -euo pipefail

BUILD=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
OUT=${2:-$(mktemp -d /tmp/championship.XXXXXX)}
mkdir -p "$OUT"
WORK=$(mktemp -d /tmp/championship-app.XXXXXX)
# A copy of the program folder, so that the run's avatars.tpq stays out of the build.
cp -r "$BUILD/app" "$WORK/app"

XVFB_PID=""
APP_PID=""
cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and tells it.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$WORK/display")"

fail() { echo "FAIL: $*"; exit 1; }
shot() { import -window root "$OUT/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.4}"; }
# The colour of a pixel of a screenshot, as "r,g,b".
pixel() {
    /usr/bin/convert "$OUT/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Each participant with one of the game's avatars, as a former run would have left them.
mapfile -t GIFS < <(ls "$WORK/app/avatars"/*.gif)
[ "${#GIFS[@]}" -gt 0 ] || fail "no avatars in the program folder"
{
    for p in $(seq 32); do
        printf '"Joueur %d","%s"' "$p" "${GIFS[$(((p - 1) % ${#GIFS[@]}))]}"
        [ "$p" -lt 32 ] && printf ','
    done
    printf '\r\n'
} >"$WORK/app/avatars.tpq"

(cd "$WORK/app" && exec ./Tempeljeu >"$OUT/tempeljeu.log" 2>&1) &
APP_PID=$!

# The welcome screen counts two seconds, then the game choice opens. The 800 x 600 screens
# fill this display, so screen positions are the screens' own.
sleep 4
shot 1-choix
click 488 146 1.5            # "4 joueurs"
shot 2-avatars

# Names of our own in the first four name boxes.
NAMES=("Léa" "Hugo" "Inès" "Noah")
for i in 0 1 2 3; do
    click $((373 + 86 * i)) 271 0.2
    xdotool key ctrl+a
    xdotool type --delay 20 "${NAMES[$i]}"
done
shot 3-noms
click 771 581 1.5            # "Suite"
shot 4-jeu

# The duel table's dark panel fills the top; slot 1's name bar is blue, slot 2's red.
IFS=, read -r r g b <<<"$(pixel 4-jeu 100 200)"
[ "$b" -gt "$r" ] && [ "$r" -lt 80 ] || fail "no knock-out table on the game screen ($r,$g,$b)"
IFS=, read -r r g b <<<"$(pixel 4-jeu 30 337)"
[ "$b" -gt 200 ] && [ "$r" -lt 60 ] || fail "slot 1 is not shown in blue ($r,$g,$b)"
IFS=, read -r r g b <<<"$(pixel 4-jeu 290 337)"
[ "$r" -gt 200 ] && [ "$b" -lt 60 ] || fail "slot 2 is not shown in red ($r,$g,$b)"
iconv -f WINDOWS-1252 -t UTF-8 "$WORK/app/avatars.tpq" | grep -q '"Léa"' || fail "avatars.tpq does not hold the names typed"

# Idle: CPU ticks of the game over five seconds on the game screen.
ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
before=$(ticks); sleep 5; after=$(ticks)
echo "CPU while idle on the game screen: $((after - before)) ticks of 1/$(getconf CLK_TCK) s in 5 s"
[ $((after - before)) -le 5 ] || fail "the idle game screen uses CPU"

echo "PASS: screenshots in $OUT"
