#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures build-sanitize/, the one checked build: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, every library with the fuzzer's coverage feedback, the whole
# suite and the fuzz targets. tools/test.sh --sanitize and tools/fuzz.sh both build here, so
# the libraries are compiled once for both.
#
#   tools/checked-build.sh    configure (a folder configured with another compiler starts over)
set -euo pipefail
cd "$(dirname "$0")/.."

folder=build-sanitize
if [ -f "$folder/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$folder/CMakeCache.txt"; then
  echo "$folder/ was configured with another compiler: starting it over"
  rm -rf "$folder"
fi
# QMR_WERROR=ON in the environment (tools/test.sh sets it) makes a warning in our code an
# error; unset, the folder keeps what it was configured with (so nothing is built again).
werror=()
if [ -n "${QMR_WERROR:-}" ]; then werror=(-DQMR_WERROR="$QMR_WERROR"); fi
# -O1 and line tables only: a third of the build time of -O2 -g, stack traces still name lines.
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_COMPILER=clang++ \
  -DQMR_SANITIZE=ON -DQMR_FUZZ=ON "${werror[@]}" > /dev/null
