#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from source, as a distribution builds them, and checks them:
#
#   tools/package.sh                 ->  ./qmr417_<version>_<arch>.deb  (sudo apt install ./qmr417_*.deb)
#                                        and the source package in build-deb/
#   tools/package.sh --reproducible  builds the binary package twice, differently, and fails
#                                    unless the two are the same bytes (not run by CI)
#
# The files git knows (or would add), as they are now, are copied to build-deb/, where
# "dpkg-buildpackage -us -uc -S" makes the source package (.dsc) and "dpkg-buildpackage
# -us -uc -b" the binary one with debian/rules; the tests run in it unless DEB_BUILD_OPTIONS
# holds "nocheck". lintian must report no error and no warning on either, and the package
# test (tests/package/check_package.cmake) unpacks the .deb and runs the packaged tool.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly out=build-deb

# What debian/control names for building, debhelper and lintian among them; apt reads the
# list from debian/control itself.
install_build_dependencies() {
  if dpkg-checkbuilddeps > /dev/null 2>&1 && command -v lintian > /dev/null; then return; fi
  local sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "Installing what debian/control names for building, and lintian"
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq ./
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian
}

# Copies the source tree into DIR/qmr417-VERSION, the folder name dpkg-source wants.
# Extra arguments go to the unpacking tar ("-m": the files get the time of the copy).
export_tree() {
  local dir="$1" version
  shift
  version="$(dpkg-parsechangelog -S Version)"
  mkdir -p "$dir/qmr417-$version"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - "$@" -C "$dir/qmr417-$version"
  echo "$dir/qmr417-$version"
}

# DEB_BUILD_OPTIONS with "parallel=N" (all cores) added when it has none: dpkg-buildpackage
# alone builds with one.
parallel_build_options() {
  local words
  read -ra words <<< "${DEB_BUILD_OPTIONS:-}"
  case " ${words[*]} " in
    *" parallel="*) ;;
    *) words+=("parallel=$(nproc)") ;;
  esac
  echo "${words[*]}"
}

build_and_check() {
  local tree
  rm -rf "$out"
  tree="$(export_tree "$out")"
  if command -v ccache > /dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"; fi
  (cd "$tree" && dpkg-buildpackage -us -uc -S)
  (cd "$tree" && DEB_BUILD_OPTIONS="$(parallel_build_options)" dpkg-buildpackage -us -uc -b)

  echo "lintian:"
  lintian --fail-on error,warning --display-info "$out"/qmr417_*_source.changes "$out"/qmr417_*_"$(dpkg --print-architecture)".changes

  local debs=("$out"/qmr417_*_"$(dpkg --print-architecture)".deb)
  local deb="${debs[0]}"
  cmake -DDEB="$deb" -DSOURCE_DIR="$PWD" -DWORK_DIR="$PWD/$out/check" \
        -DVERSION="$(dpkg-parsechangelog -S Version)" -P tests/package/check_package.cmake

  # One package in the project folder, so that "apt install ./qmr417_*.deb" names it alone.
  rm -f qmr417_*.deb
  cp "$deb" .
  echo "Built $(basename "$deb"): sudo apt install ./$(basename "$deb")"
}

# Two builds from two copies of the tree that differ in their folder, their files' times,
# the umask and the time zone, without the compiler cache (which would hand the second
# build the first one's objects). Everything dated comes from SOURCE_DATE_EPOCH, which
# dpkg-buildpackage takes from debian/changelog.
reproducible_check() {
  local first second
  rm -rf "$out"
  first="$(export_tree "$out/first")"
  second="$(export_tree "$out/second" -m)"
  local options
  options="$(DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} nocheck" parallel_build_options)"
  (cd "$first" && umask 022 && CCACHE_DISABLE=1 DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -us -uc -b)
  (cd "$second" && umask 002 && TZ=Pacific/Auckland CCACHE_DISABLE=1 DEB_BUILD_OPTIONS="$options" \
     dpkg-buildpackage -us -uc -b)

  local differ=0 deb name
  for deb in "$out"/first/*.deb; do
    name="$(basename "$deb")"
    if cmp -s "$deb" "$out/second/$name"; then
      echo "same bytes: $name ($(sha256sum < "$deb" | cut -c1-16))"
    else
      echo "DIFFERENT: $name"
      differ=1
      show_difference "$deb" "$out/second/$name"
    fi
  done
  return "$differ"
}

# Where two packages differ: their control data, their file lists, then file by file.
show_difference() {
  local a="$out/diff/a" b="$out/diff/b"
  rm -rf "$out/diff"
  mkdir -p "$a" "$b"
  dpkg-deb -R "$1" "$a"
  dpkg-deb -R "$2" "$b"
  diff <(dpkg-deb -c "$1") <(dpkg-deb -c "$2") || true
  diff -r "$a" "$b" || true
}

install_build_dependencies
case "${1:-}" in
  --reproducible) reproducible_check ;;
  "") build_and_check ;;
  *) echo "usage: tools/package.sh [--reproducible]" >&2; exit 2 ;;
esac
