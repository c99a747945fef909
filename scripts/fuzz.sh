#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzzers with clang in build-fuzz/ and runs each for a bounded time, starting from
# the seeds in fuzz/corpus/ and what earlier runs found. Fails when a fuzzer finds a crash, a
# broken check or a hang; the input that did it is left in build-fuzz/fuzz/<name>/.
# Usage: scripts/fuzz.sh [SECONDS-PER-FUZZER]   (30 unless given; FOURIER_FUZZ_SECONDS also works)
# Replay one input: build-fuzz/fuzz/fuzz_commands FILE
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${FOURIER_FUZZ_SECONDS:-30}}
build="build-fuzz"

scripts/setup.sh --fuzz
[ -f "$build/build.ninja" ] ||
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFOURIER_FUZZ=ON
cmake --build "$build" --target fuzz_val fuzz_commands

failed=0
for name in val commands; do
  work="$build/fuzz/$name"
  mkdir -p "$work/corpus"
  cp fuzz/corpus/"$name"/* "$work/corpus/"
  log="$work/last-run.log"
  if "$build/fuzz/fuzz_$name" "$work/corpus" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$name: ${runs:-?} executions in ${seconds} s, no failure"
  else
    echo "fuzz_$name FAILED; its log ends:" >&2
    grep -v '^    #' "$log" | tail -n 25 >&2
    failed=1
  fi
done
exit "$failed"
