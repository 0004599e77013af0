#!/usr/bin/env bash
# Builds Kuvanto and starts the program; a coordinate file named after the command is opened.
# Without a display it prints the section properties of the file (or of the shipped example)
# with the command-line calculator instead.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake --build "$KUVANTO_BUILD" -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$KUVANTO_BUILD/src/app/kuvanto" "$@"
else
  echo "No display: printing the properties with kuvanto-calc." >&2
  exec "$KUVANTO_BUILD/tools/kuvanto-calc" "${1:-$KUVANTO_ROOT/examples/rectangle-with-hole.csv}"
fi
