#!/bin/bash
# End-to-end: the real game under Xvfb with a virtual controller plugged in its process, on
# the game screen of a 4-player championship: the controller panel opened, "Oui" for the
# second player, the controller's four first buttons held. Checks that the panel shows and
# that the row's four test squares are lit in their colours, and that the game uses no CPU
# for controllers before one is chosen. Leaves screenshots in the output folder.
# Usage: e2e/manettes.sh [build dir] [output dir]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
out=${2:-$(mktemp -d /tmp/manettes.XXXXXX)}
mkdir -p "$out"
copy_app "$build" manettes
gcc -O2 -shared -fPIC "$(dirname "$0")/manette_virtuelle.c" $(pkg-config --cflags --libs sdl2) \
    -ldl -lpthread -o "$work/manette.so"
mkfifo "$work/commandes"
start_xvfb 800 600 "$work"

ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }

(cd "$app" && LD_PRELOAD="$work/manette.so" MANETTE_COMMANDES="$work/commandes" \
    exec ./Tempeljeu >"$out/tempeljeu.log" 2>&1) &
game=$!
kill_at_exit "$game"

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
printf '1 1\n2 1\n3 1\n4 1\n' >"$work/commandes"
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
printf '1 0\n2 0\n3 0\n4 0\n' >"$work/commandes"
sleep 0.5
shot 4-relache
IFS=, read -r r g b <<<"$(pixel 4-relache 595 161)"
[ "$r$g$b" = "255255255" ] || fail "test square 1 stays lit after the release ($r,$g,$b)"

echo "PASS: screenshots in $out"
