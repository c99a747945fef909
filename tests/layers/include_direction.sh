#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a folder of the program includes a header of a folder above it, or when a file of
# the plain C++ core includes Qt. The levels, lowest first; a folder may include its own headers
# and those of lower levels only:
#   0  plot/ (the surface, the mapping) and numeric/ (the number reader), which know nothing of
#      each other
#   1  engine/ (the curve engine), which of plot/ includes the mapping alone, and frame/ (the
#      form, the scale, the axes), which know nothing of each other
#   2  commands/ (what each button draws)
#   3  files/ (the one writer of files), which includes no other folder of the program
#   4  picture/ (the steps, their history and replay, the lesson file, which files/ writes)
#   5  sound/ (a curve's tone, its fades, the player's stream, the WAV bytes), which includes
#      engine/ alone
#   6  views/ (the windows beside the main one that show the picture: the Harmonics window; the
#      player) and audio/ (the sound module, which the player loads and never includes), which
#      know nothing of each other; audio/ includes sound/ alone
#   7  app/
# Qt may be included only by plot/imagesurface.*, plot/vectorsurface.*, plot/picturebox.*, files/,
# picture/lessonfile.*, picture/document.*, views/, audio/ and app/; files/ and picture/ only Qt
# Core (their targets link Qt Core alone, so the build refuses <QImage> and the like; this check
# refuses <QtGui/QImage>, which the build would find).
# Before it reads the tree it checks itself on a made-up tree with one upward include.
# Usage: include_direction.sh SOURCE-DIR
set -euo pipefail

declare -A level=([plot]=0 [numeric]=0 [engine]=1 [frame]=1 [commands]=2 [files]=3 [picture]=4
  [sound]=5 [views]=6 [audio]=6 [app]=7)
# Folders that include none of the others, whatever their level.
declare -A alone=([files]=1)
# Folders that may include, of the folders below them, only the headers listed.
declare -A onlyBelow=([engine]=' usermapping.h ')
# Folders that may include, of the folders below them, only those listed.
declare -A onlyFolders=([sound]=' engine ' [audio]=' sound ')
# Folders that may use Qt Core and no more of Qt.
declare -A coreOnly=([files]=1 [picture]=1)
qt_allowed='^(plot/imagesurface\.|plot/picturebox\.|plot/vectorsurface\.|files/|picture/lessonfile\.|picture/document\.|views/|audio/|app/)'

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
          { [ "${level[$holder]}" -ge "${level[$folder]}" ] || [ -n "${alone[$folder]:-}" ] ||
            { [ -n "${onlyBelow[$folder]:-}" ] && [[ ${onlyBelow[$folder]} != *" $name "* ]]; } ||
            { [ -n "${onlyFolders[$folder]:-}" ] && [[ ${onlyFolders[$folder]} != *" $holder "* ]]; }; }; then
          echo "$folder/$(basename "$file") includes $holder/$name"
        fi
      done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
      if ! [[ "$folder/$(basename "$file")" =~ $qt_allowed ]] &&
        grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        echo "$folder/$(basename "$file") includes Qt"
      fi
      if [ -n "${coreOnly[$folder]:-}" ] &&
        grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Qt[A-Z][A-Za-z]*/' "$file" |
        grep -vq '<QtCore/'; then
        echo "$folder/$(basename "$file") includes Qt beyond Qt Core"
      fi
    done
  done
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/app" "$scratch/frame" "$scratch/numeric" "$scratch/files" "$scratch/picture" \
  "$scratch/engine" "$scratch/plot" "$scratch/sound" "$scratch/views" "$scratch/audio"
echo '#pragma once' >"$scratch/app/form1.h"
echo '#pragma once' >"$scratch/numeric/val.h"
echo '#pragma once' >"$scratch/frame/formcontext.h"
echo '#pragma once' >"$scratch/plot/usermapping.h"
echo '#pragma once' >"$scratch/plot/plotsurface.h"
# The engine knows the mapping, and neither the surface nor the form beside it.
printf '#include "usermapping.h"\n#include "plotsurface.h"\n#include "formcontext.h"\n' \
  >"$scratch/engine/curve.cpp"
printf '#include "val.h"\n#include "form1.h"\n#include <QImage>\n' >"$scratch/frame/frame.cpp"
printf '#include "val.h"\n#include <QSaveFile>\n#include <QtGui/QImage>\n' >"$scratch/files/safewrite.cpp"
echo '#pragma once' >"$scratch/files/safewrite.h"
# The lesson file goes through the writer below it, and may not draw nor sound.
printf '#include "safewrite.h"\n#include "tone.h"\n#include <QtGui/QPainter>\n' \
  >"$scratch/picture/lessonfile.cpp"
# The sound knows the engine, and not the form.
echo '#pragma once' >"$scratch/engine/wave.h"
echo '#pragma once' >"$scratch/sound/tone.h"
printf '#include "wave.h"\n#include "formcontext.h"\n' >"$scratch/sound/tone.cpp"
# A view of the picture knows the picture and Qt, and not the window it stands beside.
printf '#include "safewrite.h"\n#include "form1.h"\n#include <QWidget>\n' >"$scratch/views/amplitudeview.cpp"
# The sound module knows the sound and Qt, and neither the engine directly nor the views.
echo '#pragma once' >"$scratch/views/player.h"
printf '#include "tone.h"\n#include "wave.h"\n#include "player.h"\n#include <QAudioSink>\n' \
  >"$scratch/audio/soundsink.cpp"
expected=$'audio/soundsink.cpp includes engine/wave.h\naudio/soundsink.cpp includes views/player.h
engine/curve.cpp includes frame/formcontext.h\nengine/curve.cpp includes plot/plotsurface.h
files/safewrite.cpp includes Qt beyond Qt Core\nfiles/safewrite.cpp includes numeric/val.h
frame/frame.cpp includes Qt\nframe/frame.cpp includes app/form1.h
picture/lessonfile.cpp includes Qt beyond Qt Core\npicture/lessonfile.cpp includes sound/tone.h
sound/tone.cpp includes frame/formcontext.h
views/amplitudeview.cpp includes app/form1.h'
if [ "$(violations "$scratch" | sort)" != "$expected" ]; then
  echo "include_direction: the check misses an upward include, an include out of files/ or" \
    "sound/, or Qt where it may not be" >&2
  exit 2
fi

found=$(violations "$1")
if [ -n "$found" ]; then
  echo "Includes that point the wrong way:" >&2
  echo "$found" >&2
  exit 1
fi
echo "include_direction: every include points down"
