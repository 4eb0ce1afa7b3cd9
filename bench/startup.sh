#!/usr/bin/env bash
# Start-up benchmark of the game: under Xvfb, the time from start to the first mapped window
# and to the first frame drawn (the screen's centre no longer black), and the peak memory,
# median of several runs, beside the same figures for a bare Qt Widgets program that shows
# one 800 x 600 JPEG full screen. A benchmark, not a test.
#
#   bench/startup.sh [PROGRAM] [RUNS]
#   PROGRAM defaults to build/app/Tempeljeu, RUNS to 9. HOLD_MS (default 1500) is how long
#   each program runs after its first frame before it is ended: by default the welcome
#   screen's whole life before the game choice appears at two seconds. BUILD_DIR (default
#   build) is the build; BENCH_DIR (default BUILD_DIR/bench-startup) is where the bare program
#   and the watcher are built.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/screen.sh
build=$(realpath "${BUILD_DIR:-build}")
program=$(realpath "${1:-$build/app/Tempeljeu}")
runs=${2:-9}
hold=${HOLD_MS:-1500}
work=${BENCH_DIR:-$build/bench-startup}
mkdir -p "$work"

# The yardstick and the watcher.
cmake -S bench -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work" >/dev/null
if [[ ! -f $work/bare.jpg ]]; then
  /usr/bin/convert -seed 7 -size 800x600 plasma:'#f8c060-#a03070' -quality 90 \
    "$work/bare.jpg"
fi

trap stop_screen EXIT
start_screen 1280 1024

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

declare -A map frame rss
for kind in bare game; do map[$kind]=""; frame[$kind]=""; rss[$kind]=""; done
for run in $(seq "$runs"); do
  # Alternate the order so that neither profits from a warmer cache.
  order=(bare game); (( run % 2 )) || order=(game bare)
  for kind in "${order[@]}"; do
    if [[ $kind == bare ]]; then
      out=$("$work/watch" "$hold" "$work/bare" "$work/bare.jpg")
    else
      out=$(cd "$(dirname "$program")" && "$work/watch" "$hold" "$program")
    fi
    read -r m f r <<<"$out"
    map[$kind]+="$m"$'\n'
    frame[$kind]+="$f"$'\n'
    rss[$kind]+="$r"$'\n'
  done
done

printf '%-6s %18s %17s %17s\n' "" "first window (ms)" "first frame (ms)" "peak memory (MB)"
for kind in bare game; do
  m=$(printf '%s' "${map[$kind]}" | median)
  f=$(printf '%s' "${frame[$kind]}" | median)
  r=$(printf '%s' "${rss[$kind]}" | median)
  printf '%-6s %18.0f %17.0f %17.1f\n' "$kind" "$m" "$f" "$(awk -v r="$r" 'BEGIN {print r / 1024}')"
done
echo "($runs runs each, median; $program on a 1280 x 1024 Xvfb screen)"
