#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds everything into ./build.
# QMR_WERROR=ON in the environment makes a warning in our own code an error (tools/test.sh
# sets it); left out, it is off, so a newer compiler's new warning never stops a build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMR_WERROR="${QMR_WERROR:-OFF}" > /dev/null
cmake --build build
