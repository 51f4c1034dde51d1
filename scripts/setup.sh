#!/usr/bin/env bash
# Installs the Debian packages a task needs:
#   scripts/setup.sh program   what the program's build and the program need
#   scripts/setup.sh tests     that, and what the tests, the sanitized build,
#                              the fuzz targets and the benchmarks need
# Idempotent: with every package there it asks no package server.
set -euo pipefail

program_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libcurl4-openssl-dev libpugixml-dev
  # The slip's font, the stand-in for the windows' Arial, one for Chinese texts.
  fonts-dejavu-core fonts-liberation fonts-wqy-microhei
  # Qt's own dialog texts in the program's languages.
  qt6-translations-l10n
)
test_packages=(
  libgtest-dev libgmock-dev googletest
  # The stand-in web host of the tests.
  libcpp-httplib-dev
  # An X server with a window manager for the tests and benchmarks that need one.
  xvfb xauth x11-utils openbox
  # The repaint tests cover and uncover the window with an X client of their own.
  libx11-dev
  # The printed slip's PDF is rendered for comparison.
  poppler-utils
  # The sanitized build and the fuzz targets.
  clang libclang-rt-14-dev llvm-14
)

case "${1:-}" in
  program) packages=("${program_packages[@]}") ;;
  tests) packages=("${program_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: scripts/setup.sh program|tests" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
