#!/usr/bin/env bash
# Builds Kuvanto and runs every test, without a display (widget tests use the offscreen platform).
#   scripts/test.sh              the release build in build/
#   scripts/test.sh --sanitize   the same tests built with AddressSanitizer and
#                                UndefinedBehaviorSanitizer in build-sanitize/ (no benchmarks)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "${1:-}" = "--sanitize" ]; then
  export KUVANTO_BUILD="${KUVANTO_SANITIZE_BUILD:-$ROOT/build-sanitize}"
  export KUVANTO_CMAKE_ARGS="-DKUVANTO_SANITIZE=ON -DKUVANTO_BUILD_BENCH=OFF"
  # Any finding fails the test that made it; leaks are reported except those of the system's
  # libraries listed in the suppressions file.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan-suppressions.txt:print_suppressions=0"
elif [ -n "${1:-}" ]; then
  echo "usage: scripts/test.sh [--sanitize]" >&2
  exit 2
fi
source "$ROOT/scripts/setup.sh"
cmake --build "$KUVANTO_BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$KUVANTO_BUILD"
ctest --output-on-failure -j"$(nproc)"
