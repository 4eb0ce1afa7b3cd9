#!/bin/bash
# End-to-end: the real game under Xvfb plays the quiz, started from outside its program folder
# as ./run.sh starts it. The real text-slot question program asks a known question from a
# one-line question file. A one-player game: the question appears after the countdown, a keypad
# answer scores, the end shows the score. Then a 2-player match where both players answer by
# keys. Last a listening question, whose piece is opened from the program folder. Screenshots
# go to <build>/e2e/quiz/.
# Usage: e2e/quiz.sh [build dir]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup quiz "${1:-}" Tempeljeu
copy_app
start_xvfb 800 600

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
wait_for "the game choice" on_choice 0-choix

# Slot positions on the 800 x 600 game screen.
SCORE1=132x104+128+356
SCORE2=132x104+388+356
# The question panel is white where the game screen is not. A question lasts thirty seconds:
# each is filmed from before "Debut", and answered as soon as the film shows it.
question_shown() { filmed "$1" is white "$1" 500 25; }

# --- One player ---
click 270 129 # "Jouer" of "1 joueur"
wait_for "the avatar screen" on_avatars 1-photos
click 771 581 # "Suite"
wait_for "the game screen" on_game 1-jeu-seul
film 500 25
click 400 542 # "Debut", then the countdown
check "the question panel is shown" question_shown 2-question
xdotool key KP_2
check "the question program wrote its question" test -s "$app/question.tpq"
check "the keypad answer scored" shows 3-fin differ 2-question 3-fin "$SCORE2"
check "the question panel is gone at the end" shows 3-fin not is white 3-fin 500 25
check "the score is announced" shows 3-fin differ 2-question 3-fin 400x50+30+80

# --- Two players: back to the game choice ---
click 16 582 # "Retour" of the game screen
wait_for "the avatar screen" on_avatars 4-photos
click 16 582 # "Retour" of the avatar screen
wait_for "the game choice" on_choice 4-choix
click 488 129 # "2 joueurs"
wait_for "the avatar screen" on_avatars 4-photos-duel
click 771 581 # "Suite"
wait_for "the game screen" on_game 4-jeu
film 500 25 332 408
click 400 542 # "Debut", then the countdown
check "the duel's question is shown" question_shown 4-duel
xdotool key KP_1 # slot 2 wrong
check "slot 2 is marked wrong" filmed 5-faux is red 5-faux 332 408
xdotool key F2 # slot 1 right
check "slot 2's score is unchanged" same 4-duel 5-faux "$SCORE2"
check "slot 1 scored" shows 6-vainqueur differ 5-faux 6-vainqueur "$SCORE1"
check "the winner is announced" shows 6-vainqueur differ 5-faux 6-vainqueur 400x50+30+80

# --- A listening question: its piece is opened from the program folder ---
click 16 582 # "Retour" of the game screen
wait_for "the avatar screen" on_avatars 7-photos
click 16 582 # "Retour" of the avatar screen
wait_for "the game choice" on_choice 7-choix
only_theme 19 >"$app/themes.tpq" # read again at the game choice
click 270 129 # "Jouer" of "1 joueur"
wait_for "the avatar screen" on_avatars 7-photos-ecoute
click 771 581 # "Suite"
wait_for "the game screen" on_game 7-jeu
film 500 25
click 400 542 # "Debut", then the countdown
check "the listening question is shown" question_shown 7-ecoute
check "its piece was opened in the program folder" grep -q "ouvert $app/ecoutes/" "$out/tempeljeu.log"

check "the game is still running" kill -0 "$game"
close_window "$game" '^Tempeljeu$'
check "closing its window ends the game" ended "$game"
finish
