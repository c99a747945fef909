#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and running the program need, when it is missing; by default also
# what the tests need. Quick when everything is there: it only asks dpkg.
# Usage: scripts/setup.sh [--run | --fuzz]
#   --run   only building and running the program (what scripts/run.sh needs)
#   --fuzz  also clang and its sanitizer runtime (the fuzzers and CI's sanitizer pass)
set -euo pipefail
# Qt's SVG module writes exported drawings, its Multimedia module (in the sound module the
# program loads on the first Play) plays the sound; its print support comes with qt6-base-dev.
# The tests read exported PDF files back with poppler-utils, give the program a terminal with
# script (bsdutils), and hear its sound through a PulseAudio server of their own, recorded with
# parec (pulseaudio-utils).
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev fonts-dejavu-core
  qt6-l10n-tools qt6-translations-l10n
)
if [ "${1:-}" != "--run" ]; then
  packages+=(
    libgtest-dev libbenchmark-dev
    clang-format
    xvfb xauth xdotool x11-apps imagemagick poppler-utils file bsdutils
    pulseaudio pulseaudio-utils
    dpkg-dev desktop-file-utils appstream lintian man-db
  )
fi
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
