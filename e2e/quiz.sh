#!/bin/bash
# End-to-end: the real game under Xvfb plays the quiz. The real text-slot question program
# asks a known question from a one-line question file. A one-player game: the question appears after the countdown, a keypad answer
# scores, the end shows the score. Then a 2-player match where both players answer by keys.
# Usage: e2e/quiz.sh [build dir] [output dir]
set -euo pipefail

BUILD=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
OUT=${2:-$(mktemp -d /tmp/quiz.XXXXXX)}
mkdir -p "$OUT"
WORK=$(mktemp -d /tmp/quiz-app.XXXXXX)
cp -r "$BUILD/app" "$WORK/app"
APP=$WORK/app

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
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

failures=0
check() { # description, then a command that must succeed
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
shot() { import -window root "$OUT/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.4}"; }
pixel() {
    /usr/bin/convert "$OUT/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# Whether a region (w h x y) of two screenshots differs.
differ() {
    [ "$(/usr/bin/convert "$OUT/$1.png" -crop "$3" +repage -format '%#' info:)" != \
      "$(/usr/bin/convert "$OUT/$2.png" -crop "$3" +repage -format '%#' info:)" ]
}
same() { ! differ "$@"; }
white() { [ "$(pixel "$1" "$2" "$3")" = "255,255,255" ]; }
notwhite() { ! white "$@"; }
reddish() { IFS=, read -r r g b <<<"$(pixel "$1" "$2" "$3")"; [ "$r" -gt 150 ] && [ "$g" -lt 100 ]; }

# One question a game, text slot 1 only, no sounds; the right answer is "2".
printf '"question","1","120","non","non","oui","non","non","0","1","non"\r\n' >"$APP/KSV.tpq"
{
    for k in $(seq 26); do
        if [ "$k" -eq 20 ]; then printf '"oui"'; else printf '"non"'; fi
        [ "$k" -lt 26 ] && printf ','
    done
    printf '\r\n'
} >"$APP/themes.tpq"
printf '"Combien de temps dure une blanche ?","Un temps","Deux temps","Trois temps","Quatre temps","2","",""\r\n' >"$APP/textes/e2e.txt"
printf '"textes/e2e.txt","Une question"\r\n' >"$APP/fichier_texte.tpq"
rm -f "$APP/question.tpq"

(cd "$APP" && exec ./Tempeljeu >"$OUT/tempeljeu.log" 2>&1) &
APP_PID=$!
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
check "the question program wrote its question" test -s "$APP/question.tpq"
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

check "the game is still running" kill -0 "$APP_PID"
echo "screenshots in $OUT"
exit $((failures > 0))
