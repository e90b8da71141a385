#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the tests (widget tests run headless).
#
#   tools/test.sh [CTEST-ARGS...]  the quick pass: the layer checks (includes, then the built
#                                  objects' uses), build/ and the whole suite
#   tools/test.sh --sanitize       the whole suite built with AddressSanitizer and
#                                  UndefinedBehaviorSanitizer, in build-sanitize/
#   tools/test.sh --fuzz [SECONDS] each fuzz target for SECONDS (20), built there too
#   tools/test.sh --all            all three in that order: what CI runs
set -euo pipefail
cd "$(dirname "$0")/.."

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
# build/ is configured as tools/run.sh configures it (warnings in our own code are errors with
# the compilers the project is checked with), so neither rebuilds what the other built; the
# sanitizer and fuzz builds treat every warning in our code as an error.

# The Debian package test (label "package") needs dpkg-deb: left out on other systems.
package_label=()
if ! command -v dpkg-deb > /dev/null; then package_label=(-LE package); fi

quick_pass() {
  # No #include may run against the folders' layer order (README, "Layout").
  tools/layers.sh
  tools/build.sh
  # Nor may an object file use a function defined only in a folder above its own.
  tools/symbol-layers.sh build
  ctest --test-dir build --output-on-failure --timeout 300 -j "$jobs" "${package_label[@]}" "$@"
}

# Leaks inside Qt's and the system's own libraries are listed in tools/lsan.supp; a leak or
# an undefined-behaviour report in our code fails the test that shows it.
sanitizer_environment() {
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}

sanitize_pass() {
  tools/install-deps.sh
  sanitizer_environment
  QMR_WERROR=ON tools/checked-build.sh
  cmake --build build-sanitize
  # The realtime link test and the command-line tests run several times slower here.
  # The package test belongs to the quick pass: a package is never made from this build; so
  # do the text-fit runs at the larger scales, which measure the same windows again.
  ctest --test-dir build-sanitize --output-on-failure --timeout 900 -j "$jobs" -LE "package|scaled-layout"
}

fuzz_pass() {
  local seconds="${1:-20}"
  for target in parameter_file text_input program_ini transfer config_document; do
    QMR_WERROR=ON tools/fuzz.sh "$target" "$seconds"
  done
}

case "${1:-}" in
  --sanitize) sanitize_pass ;;
  --fuzz) fuzz_pass "${2:-20}" ;;
  --all)
    quick_pass
    sanitize_pass
    fuzz_pass 20
    ;;
  *) quick_pass "$@" ;;
esac
