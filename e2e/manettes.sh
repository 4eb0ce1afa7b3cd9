#!/bin/bash
# End-to-end: the real game under Xvfb with a virtual controller plugged in its process, on
# the game screen of a 4-player championship: the controller panel opened, "Oui" for the
# second player, the controller's four first buttons held. Checks that the panel shows and
# that the row's four test squares are lit in their colours, and that the game uses no CPU
# for controllers before one is chosen. Leaves screenshots in the output folder.
# Usage: e2e/manettes.sh [build dir] [output dir]
set -euo pipefail

BUILD=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
OUT=${2:-$(mktemp -d /tmp/manettes.XXXXXX)}
mkdir -p "$OUT"
WORK=$(mktemp -d /tmp/manettes-app.XXXXXX)
cp -r "$BUILD/app" "$WORK/app"
gcc -O2 -shared -fPIC "$(dirname "$0")/manette_virtuelle.c" $(pkg-config --cflags --libs sdl2) \
    -ldl -lpthread -o "$WORK/manette.so"
mkfifo "$WORK/commandes"

XVFB_PID=""
APP_PID=""
cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$WORK/display")"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; exit 1; }
shot() { import -window root "$OUT/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.4}"; }
pixel() {
    /usr/bin/convert "$OUT/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }

(cd "$WORK/app" && LD_PRELOAD="$WORK/manette.so" MANETTE_COMMANDES="$WORK/commandes" \
    exec ./Tempeljeu >"$OUT/tempeljeu.log" 2>&1) &
APP_PID=$!

sleep 4
click 488 146 1.5            # "4 joueurs"
click 771 581 1.5            # "Suite"
shot 1-jeu
before=$(ticks); sleep 3; after=$(ticks)
echo "CPU on the game screen, no controller chosen: $((after - before)) ticks of 1/$(getconf CLK_TCK) s in 3 s"
[ $((after - before)) -le 3 ] || fail "controllers take CPU before one is chosen"

click 676 580 1              # the controller picture
shot 2-panneau
IFS=, read -r r g b <<<"$(pixel 2-panneau 300 40)"
[ "$r" -gt 240 ] && [ "$g" -gt 240 ] && [ "$b" -gt 240 ] || fail "the panel is not shown ($r,$g,$b)"

click 34 178 1               # "Oui" of the second player: the first controller is taken
printf '1 1\n2 1\n3 1\n4 1\n' >"$WORK/commandes"
sleep 0.5
shot 3-boutons
expect() { # square, then the test on r g b
    IFS=, read -r r g b <<<"$(pixel 3-boutons "$1" 161)"
    eval "$2" || fail "test square at x=$1 is ($r,$g,$b)"
}
expect 595 '[ "$g" -gt 200 ] && [ "$r" -lt 60 ] && [ "$b" -lt 60 ]'   # button 1 green
expect 619 '[ "$r$g$b" != "255255255" ]'                              # button 2 title-bar colour
expect 643 '[ "$r" -gt 200 ] && [ "$g" -lt 60 ] && [ "$b" -lt 60 ]'   # button 3 red
expect 667 '[ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 60 ]' # button 4 yellow
printf '1 0\n2 0\n3 0\n4 0\n' >"$WORK/commandes"
sleep 0.5
shot 4-relache
IFS=, read -r r g b <<<"$(pixel 4-relache 595 161)"
[ "$r$g$b" = "255255255" ] || fail "test square 1 stays lit after the release ($r,$g,$b)"

echo "PASS: screenshots in $OUT"
