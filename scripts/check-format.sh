#!/usr/bin/env bash
# Checks that every C++ source under src, tools, tests and bench is formatted as the committed
# .clang-format says; lists the files that are not and fails. Run `clang-format -i FILE` to fix.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' \
  'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format says"
