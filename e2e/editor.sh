#!/usr/bin/env bash
# End-to-end check of the question editor on a virtual screen, by the keyboard: a question
# written with the wizard (picture and sound picked in their folders), saved, opened again in
# a new window, and printed to a PDF file through the print dialog. Runs on a copy of the
# program with its own `images` and `audio` folders; screenshots go to <build>/e2e/editor/.
#
#   e2e/editor.sh [BUILD_DIR]      (default: build)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup editor "${1:-}" Tempelcrea
app=$work/app
mkdir -p "$app/images" "$app/audio/cris" "$work/home"
cp "$build/app/Tempelcrea" "$app/"
/usr/bin/convert -size 120x160 gradient:'#f0d080-#804020' "$app/images/violon.jpg"
# A short silent WAV: the wizard only lists it.
printf 'RIFF$\0\0\0WAVEfmt \20\0\0\0\1\0\1\0\100\37\0\0\100\37\0\0\1\0\10\0data\0\0\0\0' \
  >"$app/audio/cris/la.wav"
start_xvfb 1024 768
export HOME=$work/home XDG_CONFIG_HOME=$work/config

# The keys go in order to the window with the keyboard; only a new window needs waiting for.
keys() { xdotool key --delay 50 "$@"; }
tabs() { for _ in $(seq "$1"); do keys Tab; done; }
typed() { xdotool type --delay 30 "$1"; }
# Without a window manager a closed dialog leaves no active window: a click in the text
# gives the keyboard back to the editor's window, as a user's click would.
focus_text() { xdotool mousemove $((width / 2)) $((height / 2)) click 1; }
pdf() { find "$work" -name '*.pdf' 2>/dev/null | head -1; }
printed() { [[ -n $(pdf) ]] && grep -q "^%PDF" "$(pdf)"; }

shot 0-vide
(cd "$app" && exec ./Tempelcrea) >"$out/editor.log" 2>&1 &
editor=$!
kill_at_exit "$editor"
wait_for "the editor's window" shows 1-start differ 0-vide 1-start
check "the editor runs" kill -0 "$editor"

# Into the text of Document 1, then back to its "Ajouter une question" button.
focus_text
keys shift+Tab space
typed "Quelle note ?"
keys Tab; typed "Do"; keys Tab; typed "Ré"; keys Tab; typed "Mi"; keys Tab; typed "Fa"
keys Tab Right
shot 2-page1
tabs ${PAGE1_TABS:-3}
keys space
# Page 2: the first picture of `images`.
keys Down
shot 3-page2
tabs 4
keys space
# Page 3: into the folder `cris`, then its sound.
keys shift+Tab Down Return Tab Down
shot 4-page3
tabs 4
keys space
check "the wizard's line is in the window" shows 5-line differ 1-start 5-line

# Saved under a name without extension: ".txt" is added.
keys ctrl+s
wait_for "the save dialog" focused '^Enregistrer'
shot 6-save-dialog
typed "$out/quiz"
keys Return
# In Windows-1252, "é" is the one byte E9.
printf '"Quelle note ?","Do","R\xe9","Mi","Fa","2","violon.jpg","cris/la.wav"' >"$out/expected.txt"
check "quiz.txt holds the line, byte for byte" cmp -s "$out/expected.txt" "$out/quiz.txt"
wait_for "the save dialog to close" gone '^Enregistrer'

# A new window, the file opened in it.
focus_text
keys ctrl+n
check "a second window is opened" shows 7-new-window differ 5-line 7-new-window
focus_text
keys ctrl+o
wait_for "the open dialog" focused '^Ouvrir'
typed "$out/quiz.txt"
keys Return
wait_for "the open dialog to close" gone '^Ouvrir'
check "the reopened file is shown in it" shows 8-reopened differ 7-new-window 8-reopened

# Printed through the print dialog, to its PDF file.
focus_text
keys ctrl+p
wait_for "the print dialog" focused '^Imprimer'
shot 9-print-dialog
keys Return
check "the print dialog wrote a PDF" printed

keys ctrl+q 2>/dev/null || true
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
finish
