#!/bin/bash
# End-to-end: the real game under Xvfb, from the game choice through the avatar screen's
# "Suite" into a 4-player championship. Leaves screenshots in the output folder, checks
# that the game screen shows its knock-out table and the two players of the first match,
# and that the idle game screen uses no CPU.
# Usage: e2e/championship.sh [build dir] [output dir]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
out=${2:-$(mktemp -d /tmp/championship.XXXXXX)}
mkdir -p "$out"
# A copy of the program folder, so that the run's avatars.tpq stays out of the build.
copy_app "$build" championship
start_xvfb 800 600 "$work"

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
iconv -f WINDOWS-1252 -t UTF-8 "$app/avatars.tpq" | grep -q '"Léa"' || fail "avatars.tpq does not hold the names typed"

# Idle: CPU ticks of the game over five seconds on the game screen.
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
before=$(ticks); sleep 5; after=$(ticks)
echo "CPU while idle on the game screen: $((after - before)) ticks of 1/$(getconf CLK_TCK) s in 5 s"
[ $((after - before)) -le 5 ] || fail "the idle game screen uses CPU"

echo "PASS: screenshots in $out"
