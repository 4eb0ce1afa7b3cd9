#!/bin/bash
# End-to-end: the real game under Xvfb with a virtual controller plugged in its process, on
# the game screen of a 4-player championship: the controller panel opened, "Oui" for the
# second player, the controller's four first buttons held. Checks that the panel shows and
# that the row's four test squares are lit in their colours, and that the game uses no CPU
# for controllers before one is chosen. Screenshots go to <build>/e2e/manettes/.
# Usage: e2e/manettes.sh [build dir]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup manettes "${1:-}" Tempeljeu
copy_app
gcc -O2 -shared -fPIC "$(dirname "$0")/manette_virtuelle.c" $(pkg-config --cflags --libs sdl2) \
    -ldl -lpthread -o "$work/manette.so"
mkfifo "$work/commandes"
start_xvfb 800 600

ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
# buttons LINES: "BUTTON STATE" lines for the controller; the pipe waits for its reader, so
# never past the deadline.
buttons() {
    timeout "$deadline" bash -c 'printf "$1" >"$2"' - "$1" "$work/commandes" ||
        fail "the virtual controller did not read its commands"
}

# A sanitizer build's runtime must come first; the preloaded controller comes before it.
(cd "$app" && LD_PRELOAD="$work/manette.so" MANETTE_COMMANDES="$work/commandes" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    exec ./Tempeljeu >"$out/tempeljeu.log" 2>&1) &
game=$!
kill_at_exit "$game"

wait_for "the game choice" on_choice 0-choix
click 488 146 # "4 joueurs"
wait_for "the avatar screen" on_avatars 0-photos
click 771 581 # "Suite"
wait_for "the game screen" on_game 1-jeu
before=$(ticks); sleep 3; after=$(ticks)
echo "CPU on the game screen, no controller chosen: $((after - before)) ticks of 1/$(getconf CLK_TCK) s in 3 s"
check "controllers take no CPU before one is chosen" test $((after - before)) -le 3

click 676 580 # the controller picture
wait_for "the controller panel" shows 2-panneau is white 2-panneau 300 40

click 34 178 # "Oui" of the second player: the first controller is taken
buttons '1 1\n2 1\n3 1\n4 1\n'
check "button 1 lights its square green" shows 3-boutons is green 3-boutons 595 161
check "button 2 lights its square in the title-bar colour" shows 3-boutons not is white 3-boutons 619 161
check "button 3 lights its square red" shows 3-boutons is red 3-boutons 643 161
check "button 4 lights its square yellow" shows 3-boutons is yellow 3-boutons 667 161
buttons '1 0\n2 0\n3 0\n4 0\n'
check "test square 1 goes out at the release" shows 4-relache is white 4-relache 595 161
close_window "$game" '^Tempeljeu$'
check "closing its window ends the game" ended "$game"
finish
