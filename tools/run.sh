#!/usr/bin/env bash
# Installs what is missing, builds Ostrel and starts it (extra arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_TESTS=OFF -DOSTREL_BENCH=OFF >/dev/null
cmake --build build
if [ -x build/app/Ostrel ]; then
  exec build/app/Ostrel "$@"
else
  exec build/cli/ostrel-cli --help
fi
