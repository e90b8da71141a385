#!/usr/bin/env bash
# Builds the Debian package from a release build and checks it:
#
#   tools/package.sh      ->  ./qmr417_<version>_<arch>.deb   (sudo apt install ./qmr417_*.deb)
#
# The release build goes to build-release/, with Debian's hardening flags (dpkg-buildflags);
# only the programs and what they install are built. CPack packs what "cmake --install"
# places (cmake/packaging.cmake), lintian (installed when missing) must report no error, and
# the package test (ctest label "package") unpacks the package and runs the unpacked
# command-line tool on the unpacked Default.dat.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-release
tools/install-deps.sh
if ! command -v lintian > /dev/null; then
  echo "Installing: lintian"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian
fi
if command -v ccache > /dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"; fi

# Everything Debian's own packages are built with: fortified functions, stack protector,
# read-only relocations bound at start.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ld_flags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$ld_flags" > /dev/null
cmake --build "$build" --target qmr417 qmr417-cli default_dat

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
debs=("$build"/package/qmr417_*.deb)
deb="${debs[0]}"

# The changelog's newest entry must name the version being packaged.
changelog_version="$(dpkg-parsechangelog -l desktop/debian/changelog -S Version)"
package_version="$(dpkg-deb -f "$deb" Version)"
if [ "$changelog_version" != "$package_version" ]; then
  echo "desktop/debian/changelog names $changelog_version, the package is $package_version:" \
       "add an entry for $package_version" >&2
  exit 1
fi

echo "lintian:"
lintian --display-info --fail-on error "$deb"

ctest --test-dir "$build" -L package --output-on-failure

# One package in the project folder, so that "apt install ./qmr417_*.deb" names it alone.
rm -f qmr417_*.deb
cp "$deb" .
echo "Built $(basename "$deb"): sudo apt install ./$(basename "$deb")"
