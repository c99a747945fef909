#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
here="$(dirname "$0")"
"$here/setup.sh"
"$here/build.sh"
exec "$here/../build/app/fourier-analysis"
