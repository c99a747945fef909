#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures (once) and builds the program and its tests in build/. A build folder that
# scripts/run.sh configured without the tests gets them now.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ] || grep -q '^FOURIER_TESTS:BOOL=OFF$' build/CMakeCache.txt; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOURIER_TESTS=ON
fi
cmake --build build
