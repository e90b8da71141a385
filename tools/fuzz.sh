#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds one fuzz target in build-sanitize/ (tools/checked-build.sh) and runs it.
#
#   tools/fuzz.sh TARGET SECONDS [LIBFUZZER-ARGS...]
#   tools/fuzz.sh transfer 600                  # ten minutes on the transfer engine
#   tools/fuzz.sh parameter_file 0 CRASH-FILE   # replay one input (SECONDS 0: no fuzzing)
#
# TARGET is parameter_file, text_input, program_ini, transfer or config_document. A run starts
# from the seed corpus in tests/fuzz/corpus/TARGET and keeps what it finds in build-sanitize/corpus/TARGET,
# so the next run goes on from there. An input that breaks a property is saved as
# build-sanitize/artifacts/TARGET-crash-...; the run stops and this script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
  sed -n '2,12p' "$0"
  exit 1
fi
target="${1#fuzz_}"
seconds="$2"
shift 2
if [ ! -f "tests/fuzz/fuzz_${target}.cpp" ]; then
  echo "No fuzz target '$target' (tests/fuzz/fuzz_${target}.cpp)" >&2
  exit 1
fi

tools/install-deps.sh
tools/checked-build.sh
cmake --build build-sanitize --target "fuzz_${target}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
program="build-sanitize/bin/fuzz_${target}"

if [ "$seconds" -eq 0 ]; then
  exec "$program" "$@"
fi

corpus="build-sanitize/corpus/${target}"
mkdir -p "$corpus" build-sanitize/artifacts
echo "Fuzzing ${target} for ${seconds} s"
# libFuzzer's progress lines ("#1234 NEW ...", NEW_FUNC) and its dictionary are left out.
set +e
"$program" -max_total_time="$seconds" -timeout=30 \
  -artifact_prefix="build-sanitize/artifacts/${target}-" "$@" \
  "$corpus" "tests/fuzz/corpus/${target}" 2>&1 | grep -Eiv '^#[0-9]|^"|recommended dictionary|NEW_FUNC'
status="${PIPESTATUS[0]}"
set -e
if [ "$status" -ne 0 ]; then
  echo "fuzz_${target}: a property failed or the target crashed (exit $status); input in build-sanitize/artifacts/" >&2
  exit "$status"
fi
echo "fuzz_${target}: no property failed in ${seconds} s"
