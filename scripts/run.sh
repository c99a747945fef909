#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and starts the program; its arguments go to the program (for example
# --zoom 2). Installs and builds only what the program needs: the tests are left to
# scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
[ -f build/build.ninja ] ||
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOURIER_TESTS=OFF
cmake --build build --target fourier-analysis
exec build/app/fourier-analysis "$@"
