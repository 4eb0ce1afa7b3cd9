#!/usr/bin/env bash
# End-to-end check of the game's road to the first match, on a virtual screen: the welcome
# screen, the game choice two seconds later, the avatar screen after a click on "1 joueur",
# an avatar picked in the picture dialog, the 32-player layout, then back and quit. Runs on
# a copy of the laid-out program folder; screenshots go to <build>/e2e/.
#
#   e2e/road.sh [BUILD_DIR]      (default: build, as laid out by ./run.sh or ./test.sh)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$build/e2e
[[ -x $build/app/Tempeljeu ]] || { echo "no game in $build/app: build first" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"
cp -r "$build/app" "$out/app"
app=$out/app
gcc -O2 e2e/locks.c -o "$out/locks" -lX11
start_xvfb 1280 1024 "$out"

"$out/locks" caps-on-num-off >/dev/null
(cd "$app" && exec ./Tempeljeu) >"$out/game.log" 2>&1 &
game=$!
kill_at_exit "$game"

sleep 0.7
shot 1-accueil
check "the game runs" kill -0 "$game"
check "Num Lock on, Caps Lock and Scroll Lock off" test "$("$out/locks")" = "1 0 0"
check "the welcome screen is drawn in the middle" \
  test "$(pixel 1-accueil $((width / 2)) $((height / 2)))" != "0,0,0"

sleep 2
shot 2-choix
check "the game choice replaced the welcome screen" differ 1-accueil 2-choix
# The inside of the "1 joueur" frame is white on the game-choice screen.
check "the game choice shows its frames" \
  test "$(pixel 2-choix $(( (width - 800) / 2 + 330 )) $(( (height - 600) / 2 + 140 )))" = "255,255,255"

click 250 130 # "Jouer" of "1 joueur"
sleep 0.7
shot 3-photos
check "the avatar screen replaced the game choice" differ 2-choix 3-photos
# The single slot's white card stands where the one-player layout puts it.
check "the avatar screen shows one slot" \
  test "$(pixel 3-photos $(( (width - 800) / 2 + 380 + 191 + 5 )) $(( (height - 600) / 2 + 180 + 100 )))" = "255,255,255"

click 613 228 # the slot's picture
sleep 1
shot 4-dialogue
check "the picture dialog opened" differ 3-photos 4-dialogue
xdotool type --delay 20 croche.gif
xdotool key Return
sleep 0.7
shot 5-avatar
check "the dialog closed" differ 4-dialogue 5-avatar

click 16 582 # "Retour"
sleep 0.5
check "Retour saved the picked avatar" grep -q "/avatars/croche.gif" "$app/avatars.tpq"
click 470 200 # "32 joueurs"
sleep 0.7
shot 6-photos32
check "the 32-player layout differs from the one-player one" differ 5-avatar 6-photos32
click 16 582 # "Retour"
sleep 0.5
click 768 568 # the quit picture
for _ in $(seq 30); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
check "the quit picture ends the game" bash -c "! kill -0 $game 2>/dev/null"
finish
