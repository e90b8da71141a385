#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark of fleet programming (not run by CI): qmr417-cli fleet --parallel writing three
# paced simulated radios on three pseudo-terminals, against the same command writing one.
# Radios on different ports are written at the same time, so three should take little more
# than one; the aim is at most 1.2 times.
#
#   tools/benchmark-fleet.sh [BUILD_DIR]     (default: build; needs bin/qmr417-cli and
#                                             bin/qmr417-radio-sim)
#   VERIFY=1 tools/benchmark-fleet.sh          each radio is read back too (--verify)
set -euo pipefail

build_dir=${1:-build}
cli=$build_dir/bin/qmr417-cli
sim=$build_dir/bin/qmr417-radio-sim
master=$build_dir/bin/Default.dat
for program in "$cli" "$sim"; do
  [ -x "$program" ] || { echo "missing $program: build qmr417-cli and qmr417-radio-sim first" >&2; exit 1; }
done
[ -f "$master" ] || { echo "missing $master: build the program first" >&2; exit 1; }
verify=()
[ "${VERIFY:-0}" = 1 ] && verify=(--verify)

work=$(mktemp -d)
sim_pids=()
cleanup() {
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

start_sims() {  # start_sims N: N paced simulators; their devices in $work/device1..N
  local i
  for i in $(seq "$1"); do
    "$sim" --pace >"$work/device$i" 2>"$work/sim$i.log" &
    sim_pids+=($!)
  done
  for i in $(seq "$1"); do
    for _ in $(seq 50); do [ -s "$work/device$i" ] && break; sleep 0.1; done
  done
}

stop_sims() {
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  sim_pids=()
}

roster_of() {  # roster_of N > FILE: one radio per simulator, each with its own self IDs
  local i
  echo "Radio,Port,dtmf.selfId,fiveTone.selfId"
  for i in $(seq "$1"); do echo "R-$i,$(head -n1 "$work/device$i"),10$i,1000$i"; done
}

# Runs in this shell, not in a $(...) subshell: the simulators it starts must be in sim_pids
# here, so that the trap ends them on every path, a failed run included.
seconds_of_fleet() {  # seconds_of_fleet N: writes N radios in parallel, sets $seconds
  local start end
  start_sims "$1"
  roster_of "$1" >"$work/roster$1.csv"
  start=$(date +%s%N)
  "$cli" fleet --in "$master" --roster "$work/roster$1.csv" --log "$work/log$1.csv" --yes --parallel \
    "${verify[@]}" 2>"$work/cli$1.log" || { cat "$work/cli$1.log" >&2; exit 1; }
  end=$(date +%s%N)
  stop_sims
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
}

seconds_of_fleet 1
one=$seconds
seconds_of_fleet 3
three=$seconds
awk -v one="$one" -v three="$three" 'BEGIN {
  printf "one radio     %8.3f s\n", one
  printf "three radios  %8.3f s   ratio %.3f (aim: at most 1.2)\n", three, three / one }'
