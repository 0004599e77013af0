#!/usr/bin/env bash
# Builds Kuvanto and makes the Debian package kuvanto_VERSION_amd64.deb in the build folder
# (CPack, dependencies from the binaries by dpkg-shlibdeps). Prints the package's path.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake --build "$KUVANTO_BUILD" -j2 --target kuvanto kuvanto-calc kuvanto_dist
cd "$KUVANTO_BUILD"
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
ls -t "$KUVANTO_BUILD"/kuvanto_*_*.deb | head -n 1
