#!/usr/bin/env bash
# Writes the benchmark coordinate file: a circle of radius 100000 with N vertices (the closing
# vertex repeating the first), coordinates rounded to three decimals, in code page 932 with CR LF
# as the program writes it.
# Usage: bench/core/circle-file.sh N OUT
set -euo pipefail
n="$1"
out="$2"
awk -v n="$n" 'function t(v) { s = sprintf("%.3f", v); sub(/\.?0+$/, "", s); if (s == "-0") s = "0"; return s }
  BEGIN {
    printf "<<加算>>,\r\n"; sides = n - 1
    for (k = 0; k < n; k++) { a = 6.283185307179586 * (k % sides) / sides
      printf "%s,%s\r\n", t(100000 * cos(a)), t(100000 * sin(a)) }
    printf "<<減算>>,\r\n" }' | iconv -f UTF-8 -t CP932 >"$out"
