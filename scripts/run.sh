#!/usr/bin/env bash
# Builds the program and starts it from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
if [ -x build/program/Stellix ]; then
  exec build/program/Stellix
fi
echo "The front end is not built yet; the build finished."
