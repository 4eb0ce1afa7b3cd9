#!/usr/bin/env bash
# End-to-end check of the question editor on a virtual screen, by the keyboard: a question
# written with the wizard without picture or sound, another with a picture and a sound picked
# in their folders, saved, opened again in a new window, printed to a PDF file through the
# print dialog, and the question about unsaved text answered "Annuler", then "Non". Runs on a copy of the
# program with its own `images` and `audio` folders; screenshots go to <build>/e2e-editor/.
#
#   e2e/editor.sh [BUILD_DIR]      (default: build)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$build/e2e-editor
[[ -x $build/app/Tempelcrea ]] || { echo "no editor in $build/app: build first" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out/app/images" "$out/app/audio/cris" "$out/home"
cp "$build/app/Tempelcrea" "$out/app/"
/usr/bin/convert -size 120x160 gradient:'#f0d080-#804020' "$out/app/images/violon.jpg"
# A short silent WAV: the wizard only lists it.
printf 'RIFF$\0\0\0WAVEfmt \20\0\0\0\1\0\1\0\100\37\0\0\100\37\0\0\1\0\10\0data\0\0\0\0' \
  >"$out/app/audio/cris/la.wav"
start_xvfb 1024 768 "$out"
export HOME=$out/home XDG_CONFIG_HOME=$out/config

keys() { for k in "$@"; do xdotool key "$k"; sleep 0.15; done; }
tabs() { for _ in $(seq "$1"); do keys Tab; done; }
typed() { xdotool type --delay 30 "$1"; sleep 0.2; }
# Without a window manager a closed dialog leaves no active window: a click in the text
# gives the keyboard back to the editor's window, as a user's click would.
focus_text() { xdotool mousemove $((width / 2)) $((height / 2)) click 1; sleep 0.3; }

(cd "$out/app" && exec ./Tempelcrea) >"$out/editor.log" 2>&1 &
editor=$!
kill_at_exit "$editor"
sleep 1.5
shot 1-start
check "the editor runs" kill -0 "$editor"

# wizard N OPTION PICTURE SOUND: a question through the wizard of Document 1, from its text
# and its "Ajouter une question" button; OPTION, PICTURE and SOUND are the keys pressed in the
# right-answer options and on pages 2 and 3 (none: nothing chosen there). Screenshots N-page*.
wizard() {
  xdotool mousemove $((width / 2)) $((height / 2)) click 1
  sleep 0.3
  keys shift+Tab space
  typed "Quelle note ?"
  keys Tab; typed "Do"; keys Tab; typed "Ré"; keys Tab; typed "Mi"; keys Tab; typed "Fa"
  keys Tab
  # shellcheck disable=SC2086  # each holds words, one key each
  if [[ -n $2 ]]; then keys $2; fi
  shot "$1-page1"
  tabs "${PAGE1_TABS:-3}"
  keys space
  sleep 0.3
  # shellcheck disable=SC2086
  if [[ -n $3 ]]; then keys $3; fi
  shot "$1-page2"
  tabs 4
  keys space
  sleep 0.3
  # shellcheck disable=SC2086
  if [[ -n $4 ]]; then keys $4; fi
  shot "$1-page3"
  tabs 4
  keys space
  sleep 0.3
}

# First through all three pages without choosing: the file lists take the focus, but no
# picture and no sound are picked.
wizard 2 Right "" ""
shot 2-line
check "the wizard's line is in the window" differ 1-start 2-line
# Saved under a name without extension: ".txt" is added.
keys ctrl+s
sleep 1
typed "$out/sans"
keys Return
sleep 0.5
# In Windows-1252, "é" is the one byte E9.
question=$'"Quelle note ?","Do","R\xe9","Mi","Fa","2"'
printf '%s,"",""' "$question" >"$out/expected-sans.txt"
check "a question with neither picture nor sound ends with \"\",\"\"" \
  cmp -s "$out/expected-sans.txt" "$out/sans.txt"

# Then the first picture of `images`, and the sound of the folder `cris`, chosen by the keys;
# the right answer stays the one of the question before.
focus_text
wizard 3 "" space "shift+Tab Down Return Tab space"
shot 5-line
keys ctrl+s
sleep 1
shot 6-save-dialog
typed "$out/quiz"
keys Return
sleep 0.5
printf '%s,"",""\r\n%s,"violon.jpg","cris/la.wav"' "$question" "$question" >"$out/expected.txt"
check "quiz.txt holds both lines, byte for byte" cmp -s "$out/expected.txt" "$out/quiz.txt"

# A new window, the file opened in it.
focus_text
keys ctrl+n
sleep 0.3
shot 7-new-window
focus_text
keys ctrl+o
sleep 1
typed "$out/quiz.txt"
keys Return
sleep 0.5
shot 8-reopened
check "a second window is opened" differ 5-line 7-new-window
check "the reopened file is shown in it" differ 7-new-window 8-reopened

# Printed through the print dialog, to its PDF file.
focus_text
keys ctrl+p
sleep 1.5
shot 9-print-dialog
keys Return
sleep 1.5
pdf=$(find "$out/home" "$out/app" -name '*.pdf' 2>/dev/null | head -1)
check "the print dialog wrote a PDF" test -n "$pdf"
check "the PDF file is a PDF" grep -q "^%PDF" "${pdf:-/dev/null}"

# Typed text not saved: "Quitter" asks first. "Annuler" keeps the editor open, "Non" quits.
focus_text
typed "brouillon"
quit_menu() {
  # The "Fichier" menu, then its last item.
  xdotool mousemove $(((width - 800) / 2 + 29)) $(((height - 720) / 2 + 8)) click 1
  sleep 0.5
  keys Up Return
  sleep 1
}
quit_menu
shot 10-question
keys Escape
sleep 0.5
check "\"Annuler\" keeps the editor open" kill -0 "$editor"
quit_menu
keys n
for _ in $(seq 30); do kill -0 "$editor" 2>/dev/null || break; sleep 0.1; done
check "\"Non\" quits without saving" bash -c "! kill -0 $editor 2>/dev/null"
check "the file is left as it was" cmp -s "$out/expected.txt" "$out/quiz.txt"
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
finish
