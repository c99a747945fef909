#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a folder of the program includes a header of a folder above it, or when a file of
# the plain C++ core includes Qt. The levels, lowest first; a folder may include its own headers
# and those of lower levels only:
#   0  plot/ (the surface, the mapping) and numeric/ (the number reader), which know nothing of
#      each other
#   1  frame/
#   2  series/
#   3  picture/ (the steps, their history and replay, the lesson file)
#   4  app/
# Qt may be included only by plot/imagesurface.*, plot/picturebox.*, picture/lessonfile.* and
# app/.
# Before it reads the tree it checks itself on a made-up tree with one upward include.
# Usage: include_direction.sh SOURCE-DIR
set -euo pipefail

declare -A level=([plot]=0 [numeric]=0 [frame]=1 [series]=2 [picture]=3 [app]=4)
qt_allowed='^(plot/imagesurface\.|plot/picturebox\.|picture/lessonfile\.|app/)'

# Prints one line per include that breaks the rules in the tree at $1.
violations() {
  local root=$1 folder file name holder
  declare -A home=()
  for folder in "${!level[@]}"; do
    for file in "$root/$folder"/*.h; do
      [ -e "$file" ] && home[$(basename "$file")]=$folder
    done
  done
  for folder in "${!level[@]}"; do
    for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
      [ -e "$file" ] || continue
      while read -r name; do
        holder=${home[$name]:-}
        if [ -n "$holder" ] && [ "$holder" != "$folder" ] &&
          [ "${level[$holder]}" -ge "${level[$folder]}" ]; then
          echo "$folder/$(basename "$file") includes $holder/$name"
        fi
      done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
      if ! [[ "$folder/$(basename "$file")" =~ $qt_allowed ]] &&
        grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        echo "$folder/$(basename "$file") includes Qt"
      fi
    done
  done
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/app" "$scratch/frame" "$scratch/numeric"
echo '#pragma once' >"$scratch/app/form1.h"
echo '#pragma once' >"$scratch/numeric/val.h"
printf '#include "val.h"\n#include "form1.h"\n#include <QImage>\n' >"$scratch/frame/frame.cpp"
expected=$'frame/frame.cpp includes app/form1.h\nframe/frame.cpp includes Qt'
if [ "$(violations "$scratch")" != "$expected" ]; then
  echo "include_direction: the check misses an upward include or Qt in the core" >&2
  exit 2
fi

found=$(violations "$1")
if [ -n "$found" ]; then
  echo "Includes that point the wrong way:" >&2
  echo "$found" >&2
  exit 1
fi
echo "include_direction: every include points down"
