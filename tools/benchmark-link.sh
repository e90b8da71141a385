#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark of the radio link (not run by CI): a full read and a full write with
# qmr417-cli through the pseudo-terminal simulator, paced like a 9600-baud cable, each
# compared with the physical bound; the program's own time is what it takes beyond the
# line and the mandated pauses. Then the same through a cable that hands bytes over in
# bursts (a USB adapter's latency timer, 16 ms by default), and unpaced, giving the
# per-block overhead beyond the 5 ms pause the radio needs before each request.
#
#   tools/benchmark-link.sh [BUILD_DIR]      (default: build; needs bin/qmr417-cli and
#                                             bin/qmr417-radio-sim, built with ninja)
#   ANSWER_DELAY_MS=2 tools/benchmark-link.sh  the simulated radio pauses before answering
#   BURST_MS=16 tools/benchmark-link.sh        the burst period of the bursty cable (0: skip it)
#   BUSY=1 tools/benchmark-link.sh             two busy loops keep both cores loaded meanwhile
#
# Physical bound of one transfer = bytes the PC must receive (echo included) / 960 per s
#                                 + 5 ms before each request, write frame and identify byte
#                                 + the simulator's answer delay for each answer.
set -euo pipefail

build_dir=${1:-build}
cli=$build_dir/bin/qmr417-cli
sim=$build_dir/bin/qmr417-radio-sim
delay_ms=${ANSWER_DELAY_MS:-0}
burst_ms=${BURST_MS:-16}
for program in "$cli" "$sim"; do
  [ -x "$program" ] || { echo "missing $program: build qmr417-cli and qmr417-radio-sim first" >&2; exit 1; }
done

work=$(mktemp -d)
sim_pid=
busy_pids=()
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  for pid in "${busy_pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

busy_note=
if [ "${BUSY:-0}" = 1 ]; then
  for _ in 1 2; do (while :; do :; done) & busy_pids+=($!); done
  busy_note=" (both cores kept busy by two loops)"
fi

start_sim() {  # start_sim [options...]: sets sim_pid and device
  "$sim" --answer-delay "$delay_ms" "$@" >"$work/device" 2>"$work/sim.log" &
  sim_pid=$!
  for _ in $(seq 50); do [ -s "$work/device" ] && break; sleep 0.1; done
  device=$(head -n1 "$work/device")
}

stop_sim() {
  kill "$sim_pid"; wait "$sim_pid" 2>/dev/null || true; sim_pid=
}

seconds_of() {  # seconds_of COMMAND...: runs it quietly, prints the elapsed seconds
  local start end
  start=$(date +%s%N)
  "$@" 2>"$work/cli.log" || { cat "$work/cli.log" >&2; exit 1; }
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }'
}

# Bytes received per exchange: handshake 7 echo + 3, identify 1 + 16, password probe
# 4 + 22, "END" 3 + 1; a read block 4 + 22, a write block 22 + 1.
bound_of() {  # bound_of BLOCKS BYTES_PER_BLOCK
  awk -v n="$1" -v per="$2" -v d="$delay_ms" 'BEGIN {
    bytes = 10 + 17 + 26 + 4 + n * per
    pauses = n + 2
    answers = n + 4
    printf "%.3f", bytes / 960 + pauses * 0.005 + answers * d / 1000 }'
}

report() {  # report NAME MEASURED BOUND: the program's own time beyond the bound, in per cent
  awk -v name="$1" -v t="$2" -v b="$3" 'BEGIN {
    printf "%-6s %8.3f s   bound %8.3f s   ratio %.4f   beyond the bound %+.2f %%\n", name, t, b, t / b, (t - b) * 100 / b }'
}

paced_run() {  # paced_run TITLE [simulator options...]
  echo "$1"
  shift
  start_sim --pace "$@"
  read_s=$(seconds_of "$cli" read --port "$device" --out "$work/radio.dat")
  write_s=$(seconds_of "$cli" write --port "$device" --in "$work/radio.dat")
  stop_sim
  report read "$read_s" "$(bound_of 1023 26)"
  report write "$write_s" "$(bound_of 1008 23)"
}

echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)$busy_note"
paced_run "Paced at 9600 baud, answer delay ${delay_ms} ms:"
if [ "$burst_ms" -gt 0 ]; then
  paced_run "Paced, bytes handed over in ${burst_ms} ms bursts (a USB adapter's latency timer):" --burst "$burst_ms"
fi

echo "Unpaced (per-block time beyond the 5 ms pause, set-up included):"
delay_ms=0
start_sim
read_s=$(seconds_of "$cli" read --port "$device" --out "$work/radio.dat")
write_s=$(seconds_of "$cli" write --port "$device" --in "$work/radio.dat")
stop_sim
awk -v r="$read_s" -v w="$write_s" 'BEGIN {
  printf "read   %8.3f s   %.3f ms per block\n", r, r * 1000 / 1023 - 5
  printf "write  %8.3f s   %.3f ms per block\n", w, w * 1000 / 1008 - 5 }'
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
