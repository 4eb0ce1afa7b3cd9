#!/usr/bin/env bash
# End-to-end check of the administration tool, on a virtual screen: the game's Options link
# starts it, it shows the delivered settings, a change saved with "Retour" ends it and lands in
# KSV.tpq, and the game reads that file again at its next game choice. Runs on a copy of the
# laid-out program folder; screenshots go to <build>/e2e/admin/.
#
#   e2e/admin.sh [BUILD_DIR]      (default: build, as laid out by ./run.sh or ./test.sh)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup admin "${1:-}" Tempeljeu Tempelgestion
copy_app
start_xvfb 1280 1024

tool_window='^Administration de Tempello Quiz$'

(cd "$app" && exec ./Tempeljeu) >"$out/game.log" 2>&1 &
game=$!
kill_at_exit "$game"
wait_for "the game choice" on_choice 1-choix

click 478 448 # the Options link
wait_for "the tool, started by the Options link" shown "$tool_window"
tool=$(xdotool getwindowpid "$(window "$tool_window")")
kill_at_exit "$tool"
check "the tool covers the game choice" shows 2-outil differ 1-choix 2-outil

click 440 65 # "Temps : "
click 503 67 # the seconds box
xdotool key ctrl+a
xdotool type --delay 30 90
check "the change shows in the tool" shows 3-modifie differ 2-outil 3-modifie

before=$(md5sum "$app/KSV.tpq")
click 20 580 # "Retour"
check "Retour ended the tool" ended "$tool"
wait_for "the game choice" on_choice 4-retour

# Nothing has read the saved file yet (reading it here would hide the game's read): the next
# game choice reads it, which moves its access time, set back here, forward again.
touch -a -d "@$(($(stat -c %Y "$app/KSV.tpq") - 60))" "$app/KSV.tpq"
read_before=$(stat -c %X "$app/KSV.tpq")
read_since() { (($(stat -c %X "$app/KSV.tpq") > read_before)); }
click 250 130 # "Jouer" of "1 joueur"
check "the game went on to the avatar screen" on_avatars 5-photos
check "the game read the saved settings at its game choice" read_since
check "Retour saved the change" test "$(cat "$app/KSV.tpq")" = \
  "$(printf '"temps","20","90","Ding","Buzzer","oui","oui","oui","0","1","non"\r')"
check "KSV.tpq changed" test "$before" != "$(md5sum "$app/KSV.tpq")"
check "random.tpq is in the tool's layout" test "$(cat "$app/random.tpq")" = "$(printf '0,1\r')"

click 16 582 # "Retour" of the avatar screen
wait_for "the game choice" on_choice 6-choix
click 768 568 # the quit picture
check "the quit picture ends the game" ended "$game"
finish
