#!/usr/bin/env bash
# End-to-end check of the question editor on a virtual screen, by the keyboard: a question
# written with the wizard (picture and sound picked in their folders), saved, opened again in
# a new window, and printed to a PDF file through the print dialog. Runs on a copy of the
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

# Into the text of Document 1, then back to its "Ajouter une question" button.
xdotool mousemove $((width / 2)) $((height / 2)) click 1
sleep 0.3
keys shift+Tab space
typed "Quelle note ?"
keys Tab; typed "Do"; keys Tab; typed "Ré"; keys Tab; typed "Mi"; keys Tab; typed "Fa"
keys Tab Right
shot 2-page1
tabs ${PAGE1_TABS:-3}
keys space
sleep 0.3
# Page 2: the first picture of `images`.
keys Down
shot 3-page2
tabs 4
keys space
sleep 0.3
# Page 3: into the folder `cris`, then its sound.
keys shift+Tab Down Return Tab Down
shot 4-page3
tabs 4
keys space
sleep 0.3
shot 5-line
check "the wizard's line is in the window" differ 1-start 5-line

# Saved under a name without extension: ".txt" is added.
keys ctrl+s
sleep 1
shot 6-save-dialog
typed "$out/quiz"
keys Return
sleep 0.5
# In Windows-1252, "é" is the one byte E9.
printf '"Quelle note ?","Do","R\xe9","Mi","Fa","2","violon.jpg","cris/la.wav"' >"$out/expected.txt"
check "quiz.txt holds the line, byte for byte" cmp -s "$out/expected.txt" "$out/quiz.txt"

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

keys ctrl+q 2>/dev/null || true
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
finish
