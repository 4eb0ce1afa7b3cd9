#!/usr/bin/env bash
# End-to-end check of the game's road to the first match, on a virtual screen: the welcome
# screen, the game choice two seconds later, the avatar screen after a click on "1 joueur",
# an avatar picked in the picture dialog, the 32-player layout, then back and quit. Runs on
# a copy of the laid-out program folder; screenshots go to <build>/e2e/road/.
#
#   e2e/road.sh [BUILD_DIR]      (default: build, as laid out by ./run.sh or ./test.sh)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup road "${1:-}" Tempeljeu
copy_app
gcc -O2 "$(dirname "$0")/locks.c" -o "$work/locks" -lX11
start_xvfb 1280 1024

locks() { [[ $("$work/locks") == "$1" ]]; }

"$work/locks" caps-on-num-off >/dev/null
# The welcome screen shows for two seconds at most (about one on a busy machine): filmed from
# before the game starts, at its title (red there) and left of it, where the background by
# screen size is reddish.
film 330 140 -230 300
(cd "$app" && exec ./Tempeljeu) >"$out/game.log" 2>&1 &
game=$!
kill_at_exit "$game"

welcome() { is red 1-accueil 330 140 && is red 1-accueil -230 300; }
check "the welcome screen is drawn in the middle, the background around it" \
  filmed 1-accueil welcome
check "the game runs" kill -0 "$game"
check "Num Lock on, Caps Lock and Scroll Lock off" locks "1 0 0"

check "the game choice replaced the welcome screen" on_choice 2-choix
check "the game choice shows its frames" is white 2-choix 330 140

click 250 130 # "Jouer" of "1 joueur"
wait_for "the avatar screen" on_avatars 3-photos
check "the avatar screen replaced the game choice" differ 2-choix 3-photos
# The single slot's white card stands where the one-player layout puts it.
check "the avatar screen shows one slot" is white 3-photos $((380 + 191 + 5)) $((180 + 100))

click 613 228 # the slot's picture
wait_for "the picture dialog" focused '^Ouvrir'
check "the picture dialog opened" shows 4-dialogue differ 3-photos 4-dialogue
xdotool type --delay 20 croche.gif
xdotool key Return
wait_for "the picture dialog to close" gone '^Ouvrir'
check "the dialog closed" shows 5-avatar differ 4-dialogue 5-avatar

click 16 582 # "Retour"
check "Retour saved the picked avatar" grep -q "/avatars/croche.gif" "$app/avatars.tpq"
wait_for "the game choice" on_choice 5-choix
click 470 200 # "32 joueurs"
layout32() { on_avatars 6-photos32 && differ 5-avatar 6-photos32; }
check "the 32-player layout differs from the one-player one" layout32
click 16 582 # "Retour"
wait_for "the game choice" on_choice 7-choix
click 768 568 # the quit picture
check "the quit picture ends the game" ended "$game"
finish
