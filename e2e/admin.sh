#!/usr/bin/env bash
# End-to-end check of the administration tool, on a virtual screen: the game's Options link
# starts it, it shows the delivered settings, a change saved with "Retour" ends it and lands in
# KSV.tpq, and the game reads that file again at its next game choice. Runs on a copy of the
# laid-out program folder; screenshots go to <build>/e2e-admin/.
#
#   e2e/admin.sh [BUILD_DIR]      (default: build, as laid out by ./run.sh or ./test.sh)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$build/e2e-admin
[[ -x $build/app/Tempeljeu && -x $build/app/Tempelgestion ]] ||
  { echo "no game or tool in $build/app: build first" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"
cp -r "$build/app" "$out/app"
app=$out/app
start_xvfb 1280 1024 "$out"

tool_window() { xdotool search --name '^Administration de Tempello Quiz$' 2>/dev/null | head -1; }

(cd "$app" && exec ./Tempeljeu) >"$out/game.log" 2>&1 &
game=$!
kill_at_exit "$game"
sleep 2.8
shot 1-choix
check "the game shows its game choice" kill -0 "$game"

click 478 448 # the Options link
for _ in $(seq 50); do [[ -n $(tool_window) ]] && break; sleep 0.1; done
sleep 0.5
shot 2-outil
check "the Options link started the tool" test -n "$(tool_window)"
tool=$(xdotool getwindowpid "$(tool_window)")
kill_at_exit "$tool"
check "the tool covers the game choice" differ 1-choix 2-outil

click 440 65 # "Temps : "
click 503 67 # the seconds box
xdotool key ctrl+a
xdotool type --delay 30 90
sleep 0.3
shot 3-modifie
check "the change shows in the tool" differ 2-outil 3-modifie

before=$(md5sum "$app/KSV.tpq")
click 20 580 # "Retour"
for _ in $(seq 30); do kill -0 "$tool" 2>/dev/null || break; sleep 0.1; done
check "Retour ended the tool" bash -c "! kill -0 $tool 2>/dev/null"
shot 4-retour

# Nothing has read the saved file yet (reading it here would hide the game's read): the next
# game choice reads it, which moves its access time past its change time.
saved=$(stat -c %Y "$app/KSV.tpq")
sleep 1.1
click 250 130 # "Jouer" of "1 joueur"
sleep 0.8
shot 5-photos
check "the game went on to the avatar screen" differ 4-retour 5-photos
check "the game read the saved settings at its game choice" \
  test "$(stat -c %X "$app/KSV.tpq")" -gt "$saved"
check "Retour saved the change" test "$(cat "$app/KSV.tpq")" = \
  "$(printf '"temps","20","90","Ding","Buzzer","oui","oui","oui","0","1","non"\r')"
check "KSV.tpq changed" test "$before" != "$(md5sum "$app/KSV.tpq")"
check "random.tpq is in the tool's layout" test "$(cat "$app/random.tpq")" = "$(printf '0,1\r')"

finish
