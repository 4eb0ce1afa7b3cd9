#!/bin/bash
# End-to-end: the real game under Xvfb, from the game choice through the avatar screen's
# "Suite" into a 4-player championship. Checks that the game screen shows its knock-out table
# and the two players of the first match, and that the idle game screen uses no CPU.
# Screenshots go to <build>/e2e/championship/.
# Usage: e2e/championship.sh [build dir]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup championship "${1:-}" Tempeljeu
# A copy of the program folder, so that the run's avatars.tpq stays out of the build.
copy_app
start_xvfb 800 600

# Each participant with one of the game's avatars, as a former run would have left them.
mapfile -t GIFS < <(ls "$app/avatars"/*.gif)
[ "${#GIFS[@]}" -gt 0 ] || fail "no avatars in the program folder"
{
    for p in $(seq 32); do
        printf '"Joueur %d","%s"' "$p" "${GIFS[$(((p - 1) % ${#GIFS[@]}))]}"
        [ "$p" -lt 32 ] && printf ','
    done
    printf '\r\n'
} >"$app/avatars.tpq"

(cd "$app" && exec ./Tempeljeu >"$out/tempeljeu.log" 2>&1) &
game=$!
kill_at_exit "$game"

# The welcome screen counts two seconds, then the game choice opens. The 800 x 600 screens
# fill this display, so screen positions are the screens' own.
wait_for "the game choice" on_choice 1-choix
click 488 146 # "4 joueurs"
wait_for "the avatar screen" on_avatars 2-avatars

# Names of our own in the first four name boxes.
NAMES=("Léa" "Hugo" "Inès" "Noah")
for i in 0 1 2 3; do
    click $((373 + 86 * i)) 271
    xdotool key ctrl+a
    xdotool type --delay 20 "${NAMES[$i]}"
done
shot 3-noms
click 771 581 # "Suite"

wait_for "the game screen" on_game 4-jeu

# The duel table's dark panel fills the top; slot 1's name bar is blue, slot 2's red.
knockout_table() { IFS=, read -r r g b <<<"$(pixel 4-jeu 100 200)"; ((b > r && r < 80)); }
check "the game screen shows the knock-out table" knockout_table
check "slot 1 is shown in blue" is blue 4-jeu 30 337
check "slot 2 is shown in red" is red 4-jeu 290 337
names() { iconv -f WINDOWS-1252 -t UTF-8 "$app/avatars.tpq" | grep -q '"Léa"'; }
check "avatars.tpq holds the names typed" names

# Idle: CPU ticks of the game over five seconds on the game screen.
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
before=$(ticks); sleep 5; after=$(ticks)
echo "CPU while idle on the game screen: $((after - before)) ticks of 1/$(getconf CLK_TCK) s in 5 s"
check "the idle game screen uses no CPU" test $((after - before)) -le 5
close_window "$game" '^Tempeljeu$'
check "closing its window ends the game" ended "$game"
finish
