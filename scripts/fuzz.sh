#!/usr/bin/env bash
# Builds the file readers' fuzz harnesses with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-fuzz/ and runs each one for a bounded time, starting
# from its seed corpus in tests/fuzz/corpus/. New inputs found on the way go to a scratch folder;
# a crash, a sanitizer finding or an input slower than 10 s fails the run and is saved in
# build-fuzz/findings/.
#   scripts/fuzz.sh [seconds per harness, default 60]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
export KUVANTO_BUILD="${KUVANTO_FUZZ_BUILD:-$ROOT/build-fuzz}"
export KUVANTO_CMAKE_ARGS="-DKUVANTO_FUZZ=ON -DKUVANTO_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++"
source "$ROOT/scripts/setup.sh"

harnesses=(coord_csv coord_text insert_file color_file library_registry dxf_reader load_case_file)
cmake --build "$KUVANTO_BUILD" -j"$(nproc)" --target "${harnesses[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
findings="$KUVANTO_BUILD/findings"
mkdir -p "$findings"
for harness in "${harnesses[@]}"; do
  scratch="$(mktemp -d)"
  echo "== fuzz_$harness for ${seconds}s"
  status=0
  "$KUVANTO_BUILD/tests/fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/$harness-" \
    "$scratch" "$ROOT/tests/fuzz/corpus/$harness" || status=$?
  rm -rf "$scratch"
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$harness failed; the input is in $findings" >&2
    exit "$status"
  fi
done
