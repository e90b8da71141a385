#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds everything into ./build.
# build/ is always configured the same way, for tools/run.sh and tools/test.sh alike, so either
# one after the other rebuilds nothing. Warnings in our own code are errors with the compilers
# the project is checked with (QMR_WERROR=AUTO); QMR_WERROR=ON or OFF in the environment
# overrides that.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMR_WERROR="${QMR_WERROR:-AUTO}" > /dev/null
cmake --build build
