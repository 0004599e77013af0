#!/usr/bin/env bash
# Times kuvanto-calc against the floor program kuvanto-floor on one coordinate file of a circle
# with N vertices (default 10^6, written in code page 932 with CR LF as the program writes it):
# wall time and peak memory of each, from /usr/bin/time -v, best of R runs (default 3). The floor
# runs twice: as first built (its text grown chunk by chunk) and with --huge-pages (one buffer
# sized from the file with the huge-page advice the calculator's reader gives).
# When python3 with numpy and shapely is installed, the same file is also read by
# shapely-area-centroid.py (area and centroid only) and timed the same way.
# Usage: bench/core/calc-vs-floor.sh [BUILD_DIR] [N] [R]
set -euo pipefail
build="${1:-build}"
n="${2:-1000000}"
runs="${3:-3}"
calc="$build/tools/kuvanto-calc"
floor="$build/bench/kuvanto-floor"
for program in "$calc" "$floor"; do
  [[ -x "$program" ]] || { echo "missing $program: build kuvanto-calc and kuvanto-floor" >&2; exit 2; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
file="$work/circle.csv"
"$(dirname "$0")/circle-file.sh" "$n" "$file"

# Prints "seconds peak_kB" of the best run.
measure() {
  local best_s="" best_kb=""
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -v -o "$work/time" "$@" >/dev/null 2>"$work/err" || {
      echo "failed: $*" >&2; cat "$work/err" >&2; exit 1; }
    local s kb
    s=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); v = 0
          for (j = 1; j <= n; j++) v = v * 60 + p[j]; print v }' "$work/time")
    kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time")
    if [[ -z "$best_s" ]] || awk -v a="$s" -v b="$best_s" 'BEGIN { exit !(a < b) }'; then
      best_s=$s; best_kb=$kb
    fi
  done
  echo "$best_s $best_kb"
}

read -r calc_s calc_kb < <(measure "$calc" "$file")
read -r floor_s floor_kb < <(measure "$floor" "$file")
read -r huge_s huge_kb < <(measure "$floor" --huge-pages "$file")
echo "file: $n vertices, $(stat -c %s "$file") bytes"
printf 'kuvanto-calc   %6.3f s  %7.1f MB peak\n' "$calc_s" "$(echo "$calc_kb" | awk '{ print $1 / 1024 }')"
printf 'kuvanto-floor  %6.3f s  %7.1f MB peak\n' "$floor_s" "$(echo "$floor_kb" | awk '{ print $1 / 1024 }')"
printf 'floor, huge pages %6.3f s  %7.1f MB peak\n' "$huge_s" "$(echo "$huge_kb" | awk '{ print $1 / 1024 }')"
awk -v c="$calc_s" -v f="$floor_s" 'BEGIN { if (f < 0.01) f = 0.01; printf "time ratio calc/floor: %.2fx (target <= 2x)\n", c / f }'
awk -v c="$calc_s" -v f="$huge_s" 'BEGIN { if (f < 0.01) f = 0.01; printf "time ratio calc/floor with huge pages: %.2fx\n", c / f }'
awk -v kb="$calc_kb" -v n="$n" 'BEGIN { printf "calc peak memory: %.1f MB (target < %d MB: 60 MB per 10^6 vertices)\n", kb / 1024, 60 * n / 1000000 }'

python=""
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c 'import numpy, shapely' 2>/dev/null; then python="$candidate"; break; fi
done
if [[ -n "$python" ]]; then
  read -r py_s py_kb < <(measure "$python" "$(dirname "$0")/shapely-area-centroid.py" "$file")
  printf 'numpy+shapely  %6.3f s  %7.1f MB peak (area and centroid only)\n' "$py_s" \
    "$(echo "$py_kb" | awk '{ print $1 / 1024 }')"
  awk -v c="$calc_s" -v p="$py_s" 'BEGIN { printf "numpy+shapely / calc: %.2fx faster (target >= 2x)\n", p / c }'
else
  echo "numpy+shapely: not installed (apt-get install python3-numpy python3-shapely)"
fi
