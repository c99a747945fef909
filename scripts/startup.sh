#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times how long the program takes to show its window, against a minimal Qt Widgets program with
# one label: PAIRS alternating runs of each under a virtual X server, each from its start to the
# mapping of its first window (tools/mapped), then the medians and the median of the ratios.
# Needs a built tree (scripts/build.sh) and xvfb.
# Usage: scripts/startup.sh [PAIRS]   (default 12)
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-12}
tools=build/tools
[ -x "$tools/mapped" ] && [ -x "$tools/minimal_window" ] || {
  echo "startup: build the tools first (scripts/build.sh)" >&2
  exit 2
}
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  time_one() { local s e; s=$(date +%s%N); "$1" "${@:2}" >/dev/null 2>&1; e=$(date +%s%N); echo $(((e - s) / 1000)); }
  program=() minimal=() ratio=()
  time_one '"$tools"'/mapped build/app/fourier-analysis >/dev/null
  for ((i = 0; i < '"$pairs"'; i++)); do
    a=$(time_one '"$tools"'/mapped build/app/fourier-analysis)
    b=$(time_one '"$tools"'/mapped '"$tools"'/minimal_window)
    program+=("$a") minimal+=("$b") ratio+=("$(awk -v a="$a" -v b="$b" "BEGIN { printf \"%.3f\", a / b }")")
  done
  median() { printf "%s\n" "$@" | sort -g | awk "{ v[NR] = \$1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }"; }
  echo "window mapped after, median of '"$pairs"': program $(median "${program[@]}") us, minimal Qt program $(median "${minimal[@]}") us, ratio $(median "${ratio[@]}")"
'
