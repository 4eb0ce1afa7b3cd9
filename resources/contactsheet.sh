#!/bin/sh
# One PNG showing every generated picture (name and size under each) and the first frame of
# every avatar, then the question packs' pictures and those of the sample question files, then
# the question programs' note pictures when their folder is given.
#   contactsheet.sh <generated folder> <avatars folder> <output.png> [<notes folder>]
set -eu
generated=$1 avatars=$2 output=$3 notes=${4:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
/usr/bin/montage -font Liberation-Sans -pointsize 13 -background '#d8d8d8' \
  -label '%t  %wx%h' "$generated"/FOND/*.jpg "$generated"/IMAGES/*.jpg \
  -tile 5x -geometry 300x225+6+6 "$tmp/pictures.png"
/usr/bin/montage -font Liberation-Sans -pointsize 13 -background '#d8d8d8' \
  -label '%t  %wx%h' $(for f in "$avatars"/*.gif; do printf '%s[0] ' "$f"; done) \
  -tile 8x -geometry 120x100+6+6 "$tmp/avatars.png"
/usr/bin/montage -font Liberation-Sans -pointsize 11 -background '#d8d8d8' \
  -label '%t' "$generated"/packs/*/*.png "$avatars"/../images/*.jpg \
  -tile 9x -geometry 146x200+5+5 "$tmp/packs.png"
sheets="$tmp/pictures.png $tmp/avatars.png $tmp/packs.png"
if [ -n "$notes" ]; then
  /usr/bin/montage -font Liberation-Sans -pointsize 13 -background '#d8d8d8' \
    -label '%t' $(ls "$notes"/aigu/*.png) $(ls "$notes"/grave/*.png) "$notes"/ecoutes/*.png \
    -tile 11x -geometry 146x200+6+6 "$tmp/notes.png"
  sheets="$sheets $tmp/notes.png"
fi
/usr/bin/convert $sheets -background '#d8d8d8' -gravity center -append "$output"
echo "$output"
