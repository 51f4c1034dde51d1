#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Idempotent: packages already present are not fetched again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev googletest
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libcurl4-openssl-dev libpugixml-dev libcpp-httplib-dev
  xvfb xauth x11-utils openbox libx11-dev fonts-dejavu-core fonts-liberation fonts-wqy-microhei poppler-utils
  qt6-translations-l10n
  clang libclang-rt-14-dev llvm-14
)

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
