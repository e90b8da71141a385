#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need; clang and libclang-rt-14-dev
# (which holds libFuzzer) build the fuzz targets. Idempotent: when everything is present it
# only checks and returns within a second or two.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6serialport6
  qt6-multimedia-dev libqt6multimedia6  # the signalling editors' Play button
  libgl-dev libgtest-dev googletest
  # The translations: lupdate and lrelease, their CMake functions, and Qt's own German texts
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  xvfb xauth
  poppler-utils  # pdftotext, pdftoppm: the printout tests read the PDF back
  python3-jsonschema  # a test validates report --json against the schema in docs/
  # The desktop files' test: the menu entry's and the metainfo's validators, and the MIME
  # database made and read as the desktop does
  desktop-file-utils appstream shared-mime-info libglib2.0-bin
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
