#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and runs the whole test suite.
set -euo pipefail
here="$(dirname "$0")"
"$here/setup.sh"
"$here/build.sh"
cd "$here/../build"
ctest --output-on-failure -j2
