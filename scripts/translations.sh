#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings translations/*.ts up to date with the texts in the sources: lupdate adds each new text
# as unfinished, for a translator to fill in (with Qt Linguist, or in the file itself), and
# drops the texts no source uses any more. With --check it changes nothing, and fails when a
# .ts file is not up to date with the sources or holds a text without its translation; the
# ctest translations_complete runs that. LUPDATE names the lupdate to run, if not the one on
# the PATH or Qt's own.
# Usage: scripts/translations.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
[ "${1:-}" = --check ] && check=true

lupdate=${LUPDATE:-$(command -v lupdate || true)}
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || {
  echo "translations: lupdate is missing (package qt6-l10n-tools)" >&2
  exit 2
}
# Every folder whose sources hold texts the user reads: the window and the command line, the
# player, the lesson file's messages, the writer's, and the packaging's desktop entry,
# software-centre and file-type texts.
sources=(app views picture files packaging)
mapfile -t languages < <(grep -E '^[A-Za-z_]+$' translations/LINGUAS)

update() {
  "$lupdate" -silent -locations none -no-obsolete -no-ui-lines "${sources[@]}" \
    -extensions h,cpp -ts "$@"
}

if ! $check; then
  files=()
  for language in "${languages[@]}"; do
    files+=("translations/fourier-analysis_$language.ts")
    [ -f "${files[-1]}" ] || printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s" sourcelanguage="en"></TS>\n' "$language" >"${files[-1]}"
  done
  update "${files[@]}"
  exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
problems=0
for language in "${languages[@]}"; do
  file=translations/fourier-analysis_$language.ts
  if [ ! -f "$file" ]; then
    echo "translations: $file is missing" >&2
    problems=$((problems + 1))
    continue
  fi
  cp "$file" "$scratch/"
  update "$scratch/$(basename "$file")"
  if ! cmp -s "$file" "$scratch/$(basename "$file")"; then
    echo "translations: $file is not up to date with the sources; run scripts/translations.sh:" >&2
    diff -u "$file" "$scratch/$(basename "$file")" | sed -n '3,40p' >&2 || true
    problems=$((problems + 1))
  fi
  unfinished=$(grep -c '<translation type="\(unfinished\|vanished\|obsolete\)"' "$file" || true)
  empty=$(grep -c '<translation></translation>\|<translation/>' "$file" || true)
  if [ "$unfinished" -gt 0 ] || [ "$empty" -gt 0 ]; then
    echo "translations: $file has $((unfinished + empty)) texts without a finished translation" >&2
    problems=$((problems + 1))
  fi
done
[ "$problems" -eq 0 ] || exit 1
echo "translations: every text is translated into ${languages[*]}"
