#!/usr/bin/env bash
# Installs what is missing, builds Ostrel twice (plain with gcc, and with clang,
# the address and undefined-behaviour sanitizers and libFuzzer's coverage) and
# runs every test of both builds with CTest (each replays the fuzz seed corpora
# too), then gives every fuzz target a short libFuzzer run in the clang tree (OSTREL_FUZZ_SECONDS each, 5 by
# default; 0 skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen
# Compiler cache entries keyed by paths below this folder, so a checkout in
# another folder reuses what an earlier build compiled.
export CCACHE_BASEDIR="$PWD"
# ... and objects compiled with precompiled headers are cached too.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
jobs=$(nproc)

# The plain tree is optimised as the package is (-O2) but carries no debug
# information, which would cost a fifth of its compile time: a crash is traced
# in the sanitizer tree below.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

# The sanitizer tree is clang's and instrumented for libFuzzer as well, so the
# fuzz targets below come from the same build instead of a third one. It keeps
# assertions and line tables for the sanitizers' reports, and -O1 (the
# sanitizers' own advice) runs its tests in less than half the time of -O0.
# The benchmarks and the picture programs are built in the plain tree only.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DOSTREL_FUZZ=ON -DOSTREL_BENCH=OFF -DOSTREL_SCREENS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

seconds=${OSTREL_FUZZ_SECONDS:-5}
if [ "$seconds" -gt 0 ]; then
  OSTREL_FUZZ_TREE=build-asan bash tools/fuzz.sh all "$seconds"
fi
