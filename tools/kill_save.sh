#!/usr/bin/env bash
# Kills ostrel-cli during saves many more times than the CTest run does and
# prints the outcomes: tools/kill_save.sh [RUNS] [BUILD_DIR] (defaults 2000, build).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-2000}
build=${2:-build}
cmake --build "$build" --target save_kill_tests ostrel-cli >/dev/null
OSTREL_KILL_RUNS=$runs "$build/tests/cli/save_kill_tests" | grep -E '^(kills|\[  )'
