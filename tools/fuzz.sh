#!/usr/bin/env bash
# Runs a fuzz target with libFuzzer: tools/fuzz.sh TARGET|all SECONDS [libFuzzer options...]
# Builds the instrumented tree with clang on first use: build-fuzz, or the tree
# named by OSTREL_FUZZ_TREE (tools/test.sh passes its sanitizer tree, which is
# instrumented the same way). The seeds
# under tests/data/corpus/TARGET are read, never written; what the run finds
# goes to TREE/corpus/TARGET, a crash to TREE/artifacts/TARGET/
# (add it to the seed corpus once fixed). Prints executions and executions per
# second; exits non-zero on a crash, a hang (10 s per input) or a leak.
# With all, the targets run side by side, one per core.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
  echo "Usage: tools/fuzz.sh TARGET|all SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
tree=${OSTREL_FUZZ_TREE:-build-fuzz}
targets_all=(rdf_load_fuzz rdf_grids_fuzz rsf_read_fuzz settings_set_fuzz)
for extra in clone_read_fuzz clone_write_fuzz import_fuzz import_rows_fuzz; do
  [ -f "fuzz/${extra%_fuzz}_fuzz.cpp" ] && targets_all+=("$extra")
done

if [ ! -f "$tree/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOSTREL_FUZZ=ON -DOSTREL_TESTS=OFF -DOSTREL_BENCH=OFF >/dev/null
fi
if [ "$target" = all ]; then
  targets=("${targets_all[@]}")
else
  targets=("$target")
fi
cmake --build "$tree" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Runs one target and leaves its summary line in TREE/TARGET.result; a second
# line, when present, says what went wrong.
run_one() {
  local t=$1
  shift
  local work="$tree/corpus/$t" artifacts="$tree/artifacts/$t/" log="$tree/$t.log"
  local seeds="tests/data/corpus/$t" started=$SECONDS code
  mkdir -p "$work" "$artifacts"
  set +e
  "$tree/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts" "$@" "$work" "$seeds" >"$log" 2>&1
  code=$?
  set -e
  local took=$((SECONDS - started))
  local runs speed edges
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  {
    echo "$t: ${runs:-?} executions in ${took} s, ${speed:-?} exec/s, ${edges:-?} coverage edges, exit $code"
    if [ "$code" -ne 0 ]; then
      grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5
    fi
  } >"$tree/$t.result"
}

# One target per core at a time (OSTREL_FUZZ_JOBS overrides); the summaries
# are printed in the targets' order.
parallel=${OSTREL_FUZZ_JOBS:-$(nproc)}
for t in "${targets[@]}"; do
  rm -f "$tree/$t.result"
  run_one "$t" "$@" &
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do
    wait -n || true
  done
done
wait

status=0
passed=0
failed=0
for t in "${targets[@]}"; do
  cat "$tree/$t.result"
  if head -1 "$tree/$t.result" | grep -q ', exit 0$'; then
    passed=$((passed + 1))
  else
    status=1
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
