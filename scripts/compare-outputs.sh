#!/usr/bin/env bash
# Captures what a user and a script get from the example and fixture files (the calculator's text
# and JSON, the result export's bytes, the printed sheet's text and the window's three tabs) into a
# folder, or compares two such folders. Used around a change that must not alter any of them:
#   scripts/compare-outputs.sh capture BUILD_DIR OUT_DIR
#   scripts/compare-outputs.sh compare BEFORE_DIR AFTER_DIR
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

capture() {
  local build=$1 out=$2
  mkdir -p "$out"
  export QT_QPA_PLATFORM=offscreen
  for file in examples/*.csv tests/fixtures/*.csv; do
    local name
    name=$(echo "$file" | tr '/' '_')
    "$build/tools/kuvanto-calc" "$file" >"$out/$name.calc.txt" 2>&1 || true
    "$build/tools/kuvanto-calc" --json --density 7.85 "$file" >"$out/$name.calc.json" 2>&1 || true
    "$build/tools/kuvanto-calc" --density 7.85 "$file" >"$out/$name.calc-mass.txt" 2>&1 || true
    if "$build/tools/kuvanto-shot" "$out/$name.export.txt" --export "$file" 2>/dev/null; then :; fi
    "$build/tools/kuvanto-shot" "$out/$name.sheet.pdf" --print "$file" 2>/dev/null || true
    if [ -f "$out/$name.sheet.pdf" ]; then
      pdftotext -layout "$out/$name.sheet.pdf" "$out/$name.sheet.txt"
      pdftoppm -r 50 -png "$out/$name.sheet.pdf" "$out/$name.sheet"
      rm "$out/$name.sheet.pdf"
    fi
    for tab in 1 2 3; do
      "$build/tools/kuvanto-shot" "$out/$name.tab$tab.png" --tab "$tab" "$file" 2>/dev/null || true
    done
  done
}

compare_folders() {
  local before=$1 after=$2 status=0
  for f in "$before"/*; do
    local name
    name=$(basename "$f")
    if [ ! -f "$after/$name" ]; then
      echo "missing after: $name"; status=1; continue
    fi
    case "$name" in
      *.png)
        # Pixels only: PNG files may differ in their metadata.
        local diff
        diff=$(command compare -metric AE "$f" "$after/$name" null: 2>&1 || true)
        if [ "$diff" != "0" ]; then echo "differs: $name ($diff pixels)"; status=1; fi ;;
      *)
        cmp -s "$f" "$after/$name" || { echo "differs: $name"; status=1; } ;;
    esac
  done
  [ $status -eq 0 ] && echo "equal: $(ls "$before" | wc -l) outputs"
  return $status
}

case "${1:-}" in
  capture) capture "$2" "$3" ;;
  compare) compare_folders "$2" "$3" ;;
  *) echo "usage: $0 capture BUILD_DIR OUT_DIR | compare BEFORE_DIR AFTER_DIR" >&2; exit 2 ;;
esac
