#!/usr/bin/env bash
# Start-up time of Ostrel: program start to the first painted main window with
# a new document (target: under 400 ms). Runs the program several times with
# --quit-after-first-window, which prints the time it measured and leaves,
# and reports the program's own figure and the whole process time (which adds
# loading the program and its libraries).
#
#   bench/app_start.sh [path/to/Ostrel] [runs]
#
# Uses a throw-away configuration folder, and an X server from xvfb-run when
# there is no display (else the offscreen platform).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$here/build/app/Ostrel}"
runs="${2:-10}"
[ -x "$program" ] || { echo "no program at $program (build it first, or name it)" >&2; exit 1; }

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"

run_once() {
  if [ -n "${DISPLAY:-}" ]; then
    "$program" --quit-after-first-window
  elif command -v xvfb-run >/dev/null; then
    xvfb-run -a "$program" --quit-after-first-window
  else
    QT_QPA_PLATFORM=offscreen "$program" --quit-after-first-window
  fi
}

# With xvfb-run the process time includes starting the X server, so only the
# program's own figure is comparable across machines.
inside=()
outside=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  line=$(run_once 2>/dev/null | grep 'first window after' || true)
  end=$(date +%s%N)
  [ -n "$line" ] || { echo "run $i: the program printed no time" >&2; exit 1; }
  inside+=("$(awk '{print $4}' <<<"$line")")
  outside+=("$(((end - start) / 1000000))")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
m_in=$(median "${inside[@]}")
m_out=$(median "${outside[@]}")
echo "runs: $runs"
echo "program start to first window (median): ${m_in} ms   [all: ${inside[*]}]"
echo "whole process (median):                 ${m_out} ms"
if [ "$m_in" -lt 400 ]; then echo "target 400 ms: met"; else echo "target 400 ms: NOT met"; fi
