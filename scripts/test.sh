#!/usr/bin/env bash
# Builds Kuvanto and runs every test, without a display (widget tests use the offscreen platform).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake --build "$KUVANTO_BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$KUVANTO_BUILD"
ctest --output-on-failure -j"$(nproc)"
