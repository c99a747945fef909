#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree with cpack, unpacks it into a scratch root with
# dpkg-deb -x (no installing, so no root needed), and checks what a user would get: the
# package's control fields and dependencies, the program, its sound module where the program looks
# for it, its desktop entry and icons, and that the unpacked program starts and keeps running. It also checks what a distribution wants:
# lintian, desktop-file-validate and appstreamcli validate --pedantic report nothing at all,
# the desktop entry and the metadata are named by one id and translated into every language
# of the program, as the lesson files' type is, and the manual page, the copyright and the
# changelog are there and valid (each check whose tool is installed).
# Usage: install_package.sh BUILD-DIR SCRATCH-DIR   (SCRATCH-DIR is emptied first)
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$2

fail() {
  echo "install_package: $*" >&2
  exit 1
}

command -v dpkg-shlibdeps >/dev/null ||
  fail "dpkg-shlibdeps (package dpkg-dev) is needed to work out the package's dependencies"
rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
  cat "$scratch/cpack.log" >&2
  fail "cpack could not build the package"
}
debs=("$scratch"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "expected one .deb in $scratch/out"
fi
deb=${debs[0]}

field() {
  dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = fourier-analysis ] || fail "the package is called '$(field Package)'"
[ -n "$(field Maintainer)" ] || fail "the package names no maintainer"
[ -n "$(field Section)" ] || fail "the package names no section"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 libc6 \
  libstdc++6 qt6-qpa-plugins qt6-translations-l10n; do
  grep -qxF "$library" <<<"$depends" ||
    fail "the package does not depend on $library: Depends: $(field Depends)"
done

# Every file under /usr, owned by root whoever built the package.
while read -r _ owner _ _ _ path _; do
  [ "$owner" = root/root ] || fail "$path is owned by $owner"
  case "$path" in
    ./ | ./usr/*) ;;
    *) fail "$path is outside /usr" ;;
  esac
done < <(dpkg-deb -c "$deb")

root=$scratch/root
dpkg-deb -x "$deb" "$root"
# The one id the desktop entry, the metadata and the running program go by.
id=io.github.fourier_analysis.fourieranalysis
mapfile -t languages < <(grep -E '^[A-Za-z_]+$' "$(dirname "$0")/../../translations/LINGUAS")
program=$root/usr/bin/fourier-analysis
desktop=$root/usr/share/applications/$id.desktop
icons=$root/usr/share/icons/hicolor
[ -x "$program" ] || fail "no program at /usr/bin/fourier-analysis"
[ -f "$desktop" ] || fail "no desktop entry $id.desktop at /usr/share/applications"
[ -s "$icons/scalable/apps/fourier-analysis.svg" ] || fail "no scalable icon"
grep -q "<svg" "$icons/scalable/apps/fourier-analysis.svg" || fail "the icon is no SVG image"
for size in 16 24 32 48 64 128 256; do
  png=$icons/${size}x$size/apps/fourier-analysis.png
  [ -f "$png" ] || fail "no $size x $size icon"
  # A PNG file's width and height are the big-endian words at bytes 16 and 20.
  read -r -a dimensions < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((dimensions[2] << 8) + dimensions[3]))
  height=$(((dimensions[6] << 8) + dimensions[7]))
  [ "$width x $height" = "$size x $size" ] || fail "the $size x $size icon is $width x $height"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" >"$scratch/desktop.log" 2>&1 || true
  if [ -s "$scratch/desktop.log" ]; then
    cat "$scratch/desktop.log" >&2
    fail "desktop-file-validate has something to say about the desktop entry"
  fi
fi
for line in "Name=Fourier Análisis" "Exec=fourier-analysis %f" "Icon=fourier-analysis" \
  "Categories=Education;Math;" "MimeType=application/x-fourier-analysis-lesson;" \
  "Name=Large window (for a projector)" "Exec=fourier-analysis --zoom 2"; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done
for language in "${languages[@]}"; do
  for key in GenericName Comment Keywords Name; do
    grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no ${key}[$language]"
  done
done
grep -qxF "Name[es]=Ventana grande (para un proyector)" "$desktop" ||
  fail "the desktop entry's action is not translated from the program's Spanish"

# The lesson files' type: a *.fourier file is one, so the desktop offers the program for it.
mime=$root/usr/share/mime/packages/fourier-analysis-lesson.xml
[ -f "$mime" ] || fail "no lesson file type at /usr/share/mime/packages"
for language in "${languages[@]}"; do
  grep -q "<comment xml:lang=\"$language\">." "$mime" ||
    fail "the lesson file type has no name in $language"
done
if command -v update-mime-database >/dev/null; then
  cp -r "$root/usr/share/mime" "$scratch/mime"
  update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 || {
    cat "$scratch/mime.log" >&2
    fail "update-mime-database refuses the lesson file type"
  }
  grep -qx "\*\.fourier:application/x-fourier-analysis-lesson" "$scratch/mime/globs" ||
    grep -qx "application/x-fourier-analysis-lesson:\*\.fourier" "$scratch/mime/globs" ||
    fail "the lesson file type does not claim *.fourier"
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning,info,pedantic --info --pedantic "$deb" >"$scratch/lintian.log" 2>&1 || {
    cat "$scratch/lintian.log" >&2
    fail "lintian finds something to say about the package"
  }
  if grep -v "^running with root privileges is not recommended!$" "$scratch/lintian.log" | grep -q .; then
    cat "$scratch/lintian.log" >&2
    fail "lintian has something to say about the package"
  fi
fi

doc=$root/usr/share/doc/fourier-analysis
grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
  "$doc/copyright" || fail "no machine-readable copyright file"
gzip -t "$doc/changelog.gz" || fail "no compressed changelog"
manual=$root/usr/share/man/man1/fourier-analysis.1.gz
gzip -t "$manual" || fail "no compressed manual page"
zgrep -qF -- '\-\-zoom' "$manual" || fail "the manual page does not explain --zoom"
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page does not format cleanly: $warnings"
fi
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata $id.metainfo.xml at /usr/share/metainfo"
grep -qF "<id>$id</id>" "$metainfo" || fail "the AppStream metadata is not called $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the AppStream metadata does not launch the desktop entry"
grep -q "<screenshot type=\"default\">" "$metainfo" || fail "the AppStream metadata has no screenshot"
grep -q "<release version=\"$(field Version)\"" "$metainfo" ||
  fail "the AppStream metadata has no release $(field Version)"
for language in "${languages[@]}"; do
  for element in summary p li keyword caption; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
      fail "the AppStream metadata has no <$element> in $language"
  done
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 || {
    cat "$scratch/appstream.log" >&2
    fail "the AppStream metadata is not valid"
  }
  if grep -vq "^✔ Validation was successful\.$" "$scratch/appstream.log"; then
    cat "$scratch/appstream.log" >&2
    fail "appstreamcli has something to say about the AppStream metadata"
  fi
fi

if ldd "$program" | grep -q "not found"; then
  ldd "$program" >&2
  fail "the unpacked program misses libraries"
fi
# The sound module, which the program loads on the first Play from its folder among the
# libraries, found from the program's own; with Qt Multimedia, which the program itself does not
# link.
modules=("$root"/usr/lib/*/fourier-analysis/fourier-analysis-audio.so)
[ -f "${modules[0]}" ] || fail "no sound module at /usr/lib/ARCHITECTURE/fourier-analysis"
if ldd "${modules[0]}" | grep -q "not found"; then
  ldd "${modules[0]}" >&2
  fail "the sound module misses libraries"
fi
# The path the program looks for it by, from its own folder, as the program holds it: a Qt
# string, in UTF-16.
from_program=$(LC_ALL=C grep -aoP '(\.\x00){2}/\x00l\x00i\x00b\x00/\x00([^\x00]\x00)*?f\x00o\x00u\x00r\x00i\x00e\x00r\x00-\x00a\x00n\x00a\x00l\x00y\x00s\x00i\x00s\x00' \
  "$program" | head -n 1 | tr -d '\0')
[ "$(cd "$(dirname "$program")/$from_program" 2>/dev/null && pwd)" = "$(dirname "${modules[0]}")" ] ||
  fail "the program looks for its sound module at $from_program, not where the package puts it"
grep -qxF libqt6multimedia6 <<<"$depends" ||
  fail "the package does not depend on libqt6multimedia6: Depends: $(field Depends)"
! ldd "$program" | grep -qi multimedia || fail "the program itself links Qt Multimedia"
expected="fourier-analysis $(field Version)"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "$expected" ] ||
  fail "the unpacked program's --version does not say $expected"
# Still running when timeout ends it (status 124) means it started without crashing.
set +e
QT_QPA_PLATFORM=offscreen timeout 2 "$program" >"$scratch/program.log" 2>&1
status=$?
set -e
if [ "$status" -ne 124 ]; then
  cat "$scratch/program.log" >&2
  fail "the unpacked program ended with status $status within 2 s"
fi
echo "install_package: $(basename "$deb") unpacks and starts; Depends: $(field Depends)"
