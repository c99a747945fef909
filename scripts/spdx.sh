#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Puts the licence's SPDX line at the top of every tracked source, header, script and CMake
# file that lacks one: below the #! line of a script, as the first line otherwise, as a
# comment of the file's own kind. Running it again changes nothing.
# Usage: scripts/spdx.sh [--check]   (--check only lists the files without the line, and
# fails when there are any)
set -euo pipefail
cd "$(dirname "$0")/.."
tag="SPDX-License-Identifier: MIT"
check=false
[ "${1:-}" = --check ] && check=true

lacking=0
while IFS= read -r -d '' file; do
  head -n 3 "$file" | grep -q "SPDX-License-Identifier:" && continue
  lacking=$((lacking + 1))
  if $check; then
    echo "$file"
    continue
  fi
  case "$file" in
    *.h | *.cpp) line="// $tag" ;;
    *) line="# $tag" ;;
  esac
  if [ ! -s "$file" ]; then
    printf '%s\n' "$line" >"$file"
  elif head -n 1 "$file" | grep -q '^#!'; then
    sed -i "1a $line" "$file"
  else
    sed -i "1i $line" "$file"
  fi
done < <(git ls-files -z -- '*.h' '*.cpp' '*.sh' '*CMakeLists.txt' '*.cmake' .ci/run)

if $check && [ "$lacking" -gt 0 ]; then
  echo "spdx: $lacking files lack the line '$tag'" >&2
  exit 1
fi
$check || echo "spdx: added the line to $lacking files"
