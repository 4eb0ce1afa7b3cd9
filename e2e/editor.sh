#!/usr/bin/env bash
# End-to-end check of the question editor on a virtual screen, by the keyboard: a question
# written with the wizard without picture or sound, another with a picture and a sound picked
# in their folders, saved, opened again in a new window, printed to a PDF file through the
# print dialog, a save over a file already there answered "Non", and the question about unsaved
# text answered "Annuler", then "Non". Runs on a copy of the program with its own `images` and
# `audio` folders; screenshots go to <build>/e2e/editor/.
#
#   e2e/editor.sh [BUILD_DIR]      (default: build)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup editor "${1:-}" Tempelcrea
app=$work/app
mkdir -p "$app/images" "$app/audio/cris"
cp "$build/products/Tempelcrea" "$app/"
/usr/bin/convert -size 120x160 gradient:'#f0d080-#804020' "$app/images/violon.jpg"
# A short silent WAV: the wizard only lists it.
printf 'RIFF$\0\0\0WAVEfmt \20\0\0\0\1\0\1\0\100\37\0\0\100\37\0\0\1\0\10\0data\0\0\0\0' \
  >"$app/audio/cris/la.wav"
start_xvfb 1024 768

# The keys go in order to the window with the keyboard; only a new window needs waiting for.
keys() { xdotool key --delay 50 "$@"; }
tabs() { for _ in $(seq "$1"); do keys Tab; done; }
typed() { xdotool type --delay 30 "$1"; }
# Without a window manager a closed dialog leaves no active window: a click in the text
# gives the keyboard back to the editor's window, as a user's click would.
focus_text() { xdotool mousemove $((width / 2)) $((height / 2)) click 1; }
pdf() { find "$work" -name '*.pdf' 2>/dev/null | head -1; }
printed() { [[ -n $(pdf) ]] && grep -q "^%PDF" "$(pdf)"; }
# The editor's questions carry its title, as its window does, and take the keyboard; an open
# menu is a window of the editor's class that has no title.
windows() { xdotool search --onlyvisible --name '^Tempello Quiz Creator' 2>/dev/null | wc -l; }
asking() {
  [[ $(xdotool getwindowfocus 2>/dev/null) != "$main_window" ]] && focused '^Tempello Quiz Creator'
}
answered() { (($(windows) == 1)); }
menu_open() { (($(xdotool search --onlyvisible --class '^Tempelcrea$' 2>/dev/null | wc -l) >= 2)); }
# typed_path PATH: PATH typed in a file dialog's name box, its file name first, then its folder in
# front of it. Typed from the left, the text would name each folder on its way, and the dialog
# selects in its list what the text names; on a busy machine it can take keys before it is the
# active window again, and then leaves that folder selected, which wins over the text: Return
# would open the folder and leave the dialog open.
typed_path() {
  typed "$(basename "$1")"
  keys Home
  typed "$(dirname "$1")/"
}

shot 0-vide
(cd "$app" && exec ./Tempelcrea) >"$out/editor.log" 2>&1 &
editor=$!
kill_at_exit "$editor"
# Its text drawn, white: the lines checked below are looked for there.
wait_for "the editor's window" shows 1-start is white 1-start 300 60
main_window=$(window '^Tempello Quiz Creator$')
check "the editor runs" kill -0 "$editor"
# Regions of the screenshots (the text's cursor, which blinks, is at the start of the text):
# Document 1's first and second lines, the title bar of a second window, and its two lines.
line1=550x16+38+46 line2=550x14+38+62 window2=600x16+160+106 window2_lines=550x26+188+152

# save NAME [ANSWER]: the active window saved through the save dialog under NAME; ANSWER, a key
# ("o" or "n"), answers the question that NAME.txt, already there, asks.
save() {
  keys ctrl+s
  wait_for "the save dialog" focused '^Enregistrer'
  typed_path "$1"
  keys Return
  wait_for "the save dialog to close" gone '^Enregistrer'
  if [[ -n ${2:-} ]]; then
    wait_for "the question about the file already there" asking
    shot "${3:-replace}-question"
    keys "$2"
    wait_for "the answer to the question" answered
  fi
}

# wizard N OPTION PICTURE SOUND: a question through the wizard of Document 1, from its text
# and its "Ajouter une question" button; OPTION, PICTURE and SOUND are the keys pressed in the
# right-answer options and on pages 2 and 3 (none: nothing chosen there). Screenshots N-page*.
wizard() {
  focus_text
  keys shift+Tab space
  typed "Quelle note ?"
  keys Tab; typed "Do"; keys Tab; typed "Ré"; keys Tab; typed "Mi"; keys Tab; typed "Fa"
  keys Tab
  # shellcheck disable=SC2086  # each holds words, one key each
  if [[ -n $2 ]]; then keys $2; fi
  shot "$1-page1"
  tabs "${PAGE1_TABS:-3}"
  keys space
  # shellcheck disable=SC2086
  if [[ -n $3 ]]; then keys $3; fi
  shot "$1-page2"
  tabs 4
  keys space
  # shellcheck disable=SC2086
  if [[ -n $4 ]]; then keys $4; fi
  shot "$1-page3"
  tabs 4
  keys space
}

# First through all three pages without choosing: the file lists take the focus, but no
# picture and no sound are picked.
wizard 2 Right "" ""
check "the wizard's line is in the window" shows 2-line differ 1-start 2-line "$line1"
# Saved under a name without extension: ".txt" is added.
save "$out/sans"
# In Windows-1252, "é" is the one byte E9.
question=$'"Quelle note ?","Do","R\xe9","Mi","Fa","2"'
printf '%s,"",""' "$question" >"$out/expected-sans.txt"
check "a question with neither picture nor sound ends with \"\",\"\"" \
  cmp -s "$out/expected-sans.txt" "$out/sans.txt"

# Then the first picture of `images`, and the sound of the folder `cris`, chosen by the keys;
# the right answer stays the one of the question before.
wizard 3 "" space "shift+Tab Down Return Tab space"
check "the second line is in the window" shows 5-line differ 2-line 5-line "$line2"
save "$out/quiz"
printf '%s,"",""\r\n%s,"violon.jpg","cris/la.wav"' "$question" "$question" >"$out/expected.txt"
check "quiz.txt holds both lines, byte for byte" cmp -s "$out/expected.txt" "$out/quiz.txt"
# Saved again, over the first file: the editor asks first, and "Non" writes nothing.
focus_text
save "$out/sans" n 6
check "\"Non\" leaves the file already there as it was" \
  cmp -s "$out/expected-sans.txt" "$out/sans.txt"

# A new window, the file opened in it.
focus_text
keys ctrl+n
check "a second window is opened" shows 7-new-window differ 5-line 7-new-window "$window2"
focus_text
keys ctrl+o
wait_for "the open dialog" focused '^Ouvrir'
typed_path "$out/quiz.txt"
keys Return
wait_for "the open dialog to close" gone '^Ouvrir'
check "the reopened file is shown in it" \
  shows 8-reopened differ 7-new-window 8-reopened "$window2_lines"

# Printed through the print dialog, to its PDF file.
focus_text
keys ctrl+p
wait_for "the print dialog" focused '^Imprimer'
shot 9-print-dialog
keys Return
wait_for "the print dialog to close" gone '^Imprimer'
check "the print dialog wrote a PDF" printed

# Typed text not saved: "Quitter" asks first. "Annuler" keeps the editor open, "Non" quits.
focus_text
typed "brouillon"
quit_menu() {
  # The "Fichier" menu, then its last item, "Quitter", clicked once the menu is there.
  xdotool mousemove $(((width - 800) / 2 + 29)) $(((height - 720) / 2 + 8)) click 1
  wait_for "the Fichier menu" menu_open
  shot "$1-menu"
  xdotool mousemove $(((width - 800) / 2 + 54)) $(((height - 720) / 2 + 169)) click 1
  wait_for "the question about unsaved text" asking
  shot "$1-question"
}
quit_menu 10
keys Escape
wait_for "the answer to the question" answered
quit_menu 11
check "\"Annuler\" kept the editor open: it asks again" kill -0 "$editor"
keys n
check "\"Non\" quits without saving" ended "$editor"
check "the file is left as it was" cmp -s "$out/expected.txt" "$out/quiz.txt"
finish
