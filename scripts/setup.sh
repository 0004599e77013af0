#!/usr/bin/env bash
# Installs what building, running and testing Kuvanto needs on Debian 12 (as root), then configures
# the build folder. Sourced by run.sh and test.sh; safe to run again (installed packages are kept).
set -euo pipefail

KUVANTO_PACKAGES=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgtest-dev libbenchmark-dev libgeos-dev python3-numpy python3-shapely
  fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
  xvfb xauth poppler-utils
  clang libclang-rt-14-dev clang-format
  librsvg2-bin help2man gzip dpkg-dev fakeroot file lintian appstream desktop-file-utils
  libdxflib-dev python3-ezdxf
  libcgal-dev libeigen3-dev
)

missing=()
for p in "${KUVANTO_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

KUVANTO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KUVANTO_BUILD="${KUVANTO_BUILD:-$KUVANTO_ROOT/build}"
# Extra cmake settings of a second build folder (the sanitizer and fuzzing builds), blank-separated.
read -r -a extra_cmake_args <<<"${KUVANTO_CMAKE_ARGS:-}"
cmake -S "$KUVANTO_ROOT" -B "$KUVANTO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "${extra_cmake_args[@]}" >/dev/null
# The compiler cache keys on paths relative to the checkout, so that a build in a fresh clone (as
# CI makes) reuses what was compiled in another checkout of the same sources.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$KUVANTO_ROOT}"
export CCACHE_NOHASHDIR=1
export KUVANTO_ROOT KUVANTO_BUILD
