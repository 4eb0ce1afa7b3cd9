#!/bin/bash
# End-to-end: the real game under Xvfb plays the quiz, started from outside its program folder
# as ./run.sh starts it. The real text-slot question program asks a known question from a
# one-line question file. A one-player game: the question appears after the countdown, a keypad
# answer scores, the end shows the score. Then a 2-player match where both players answer by
# keys. Last a listening question, whose piece is opened from the program folder.
# Usage: e2e/quiz.sh [build dir] [output dir]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
out=${2:-$(mktemp -d /tmp/quiz.XXXXXX)}
mkdir -p "$out"
copy_app "$build" quiz
start_xvfb 800 600 "$work"

same() { ! differ "$@"; }
white() { [ "$(pixel "$1" "$2" "$3")" = "255,255,255" ]; }
notwhite() { ! white "$@"; }
reddish() { IFS=, read -r r g b <<<"$(pixel "$1" "$2" "$3")"; [ "$r" -gt 150 ] && [ "$g" -lt 100 ]; }

# One question a game, no sound effects. The themes: only theme number $1 is on.
printf '"question","1","120","non","non","oui","non","non","0","1","non"\r\n' >"$app/KSV.tpq"
only_theme() {
    for k in $(seq 26); do
        if [ "$k" -eq "$1" ]; then printf '"oui"'; else printf '"non"'; fi
        [ "$k" -lt 26 ] && printf ','
    done
    printf '\r\n'
}
# Text slot 1 only; the right answer is "2".
only_theme 20 >"$app/themes.tpq"
printf '"Combien de temps dure une blanche ?","Un temps","Deux temps","Trois temps","Quatre temps","2","",""\r\n' >"$app/textes/e2e.txt"
printf '"textes/e2e.txt","Une question"\r\n' >"$app/fichier_texte.tpq"
rm -f "$app/question.tpq"

# The player says which files it opens.
(cd "$work" && QT_LOGGING_RULES="tempel.son.info=true" exec "$app/Tempeljeu" \
    >"$out/tempeljeu.log" 2>&1) &
game=$!
kill_at_exit "$game"
sleep 4

# Slot positions on the 800 x 600 game screen.
SCORE1=132x104+128+356
SCORE2=132x104+388+356
play_to_question() {
    click 400 542 0.5 # "Debut"
    sleep 3.3         # the countdown
}

# --- One player ---
click 270 129 1.5 # "Jouer" of "1 joueur"
click 771 581 1.5 # "Suite"
shot 1-jeu-seul
play_to_question
shot 2-question
check "the question program wrote its question" test -s "$app/question.tpq"
check "the question panel is shown" white 2-question 500 25
xdotool key KP_2
sleep 0.5
shot 3-fin
check "the keypad answer scored" differ 2-question 3-fin "$SCORE2"
check "the question panel is gone at the end" notwhite 3-fin 500 25
check "the score is announced" differ 2-question 3-fin 400x50+30+80

# --- Two players: back to the game choice ---
click 16 582 1 # "Retour" of the game screen
click 16 582 1 # "Retour" of the avatar screen
click 488 129 1.5 # "2 joueurs"
click 771 581 1.5 # "Suite"
play_to_question
shot 4-duel
check "the duel's question is shown" white 4-duel 500 25
xdotool key KP_1 # slot 2 wrong
sleep 0.4
shot 5-faux
check "slot 2 is marked wrong" reddish 5-faux 332 408
check "slot 2's score is unchanged" same 4-duel 5-faux "$SCORE2"
xdotool key F2 # slot 1 right
sleep 0.5
shot 6-vainqueur
check "slot 1 scored" differ 5-faux 6-vainqueur "$SCORE1"
check "the winner is announced" differ 5-faux 6-vainqueur 400x50+30+80

# --- A listening question: its piece is opened from the program folder ---
click 16 582 1 # "Retour" of the game screen
click 16 582 1 # "Retour" of the avatar screen
only_theme 19 >"$app/themes.tpq" # read again at the game choice
click 270 129 1.5 # "1 joueur"
click 771 581 1.5 # "Suite"
play_to_question
shot 7-ecoute
check "the listening question is shown" white 7-ecoute 500 25
check "its piece was opened in the program folder" grep -q "ouvert $app/ecoutes/" "$out/tempeljeu.log"

check "the game is still running" kill -0 "$game"
finish
