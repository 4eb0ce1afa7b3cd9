#!/usr/bin/env bash
# Speed of the question programs: each family run many times from a temporary program folder,
# beside a bare C++ program writing a question of the same 200 bytes; median time of one run
# and the ratio. Then the memory of a text slot reading a small and a 100 MB question file.
# A benchmark, not a test.
#
#   bench/questions.sh [RUNS]      RUNS defaults to 301; the programs come from the build
#   (BUILD_DIR, default build).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-301}
app=$(realpath "${BUILD_DIR:-build}")/app
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

gcc -O2 -o "$work/runmany" bench/runmany.c
g++ -O2 -std=c++20 -o "$work/bare" bench/barequestion.cpp

folder=$work/app
mkdir -p "$folder/textes" "$folder/ecoutes" "$folder/questions"
for key in compos aigu4 grave7 ecoutes fichier_texte fichier_texte2; do
  cp "$app/questions/$key" "$folder/questions/"
done
cp "$work/bare" "$folder/questions/bare"
for i in $(seq 8); do : >"$folder/ecoutes/Morceau $i.wav"; done
line='"Combien de temps dure une blanche ?","Un temps","Deux temps","Trois temps","Quatre temps","2","",""'
for i in $(seq 40); do printf '%s\r\n' "$line"; done >"$folder/textes/petit.txt"
printf '"textes/petit.txt","Petit"\r\n' >"$folder/fichier_texte.tpq"
printf '"textes/petit.txt","Petit"\r\n' >"$folder/fichier_texte2.tpq"

cd "$folder"
printf '%-28s %10s %10s %7s\n' "program" "median ms" "bare ms" "ratio"
report() {
  read -r mine bare _ _ < <("$work/runmany" "$runs" "questions/$1" questions/bare)
  printf '%-28s %10.3f %10.3f %7.2f\n' "$2" "$mine" "$bare" "$(awk -v a="$mine" -v b="$bare" 'BEGIN {print a / b}')"
}
printf '0,1\r\n' >random.tpq
report compos "compos (pack)"
report aigu4 "aigu4 (treble clef)"
report grave7 "grave7 (bass clef)"
report ecoutes "ecoutes (8 pieces)"
report fichier_texte "fichier_texte (random)"
printf '1,1\r\n' >random.tpq
report fichier_texte2 "fichier_texte2 (in order)"

# Memory: the same slot over a question file of about 100 MB.
for i in $(seq 1000); do printf '%s\r\n' "$line"; done >textes/bloc.txt
: >textes/gros.txt
while [ "$(stat -c %s textes/gros.txt)" -lt 100000000 ]; do cat textes/bloc.txt textes/bloc.txt textes/bloc.txt textes/bloc.txt >>textes/gros.txt; done
printf '0,1\r\n' >random.tpq
read -r _ _ _ small < <("$work/runmany" 3 questions/bare questions/fichier_texte)
printf '"textes/gros.txt","Gros"\r\n' >fichier_texte.tpq
read -r _ bigms _ big < <("$work/runmany" 3 questions/bare questions/fichier_texte)
echo
echo "peak memory of fichier_texte: $small KB over 40 lines, $big KB over $(( $(stat -c %s textes/gros.txt) / 1000000 )) MB ($bigms ms a question)"
echo "($runs runs each, median, order alternated)"
