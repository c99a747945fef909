#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree with cpack, unpacks it into a scratch root with
# dpkg-deb -x (no installing, so no root needed), and checks what a user would get: the
# package's control fields and dependencies, the program, its desktop entry and icon, and that
# the unpacked program starts and keeps running. It also checks what a distribution wants:
# lintian finds no error or warning, and the manual page, the AppStream metadata, the
# copyright and the changelog are there and valid (each check whose tool is installed).
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
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
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
program=$root/usr/bin/fourier-analysis
desktop=$root/usr/share/applications/fourier-analysis.desktop
icon=$root/usr/share/icons/hicolor/scalable/apps/fourier-analysis.svg
[ -x "$program" ] || fail "no program at /usr/bin/fourier-analysis"
[ -f "$desktop" ] || fail "no desktop entry at /usr/share/applications"
[ -s "$icon" ] || fail "no icon at /usr/share/icons/hicolor/scalable/apps"
grep -q "<svg" "$icon" || fail "the icon is no SVG image"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
fi
for line in "Name=Fourier Análisis" "Exec=fourier-analysis %f" "Icon=fourier-analysis" \
  "Categories=Education;Math;" "MimeType=application/x-fourier-analysis-lesson;" \
  "Name=Large window (for a projector)" "Exec=fourier-analysis --zoom 2"; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done

# The lesson files' type: a *.fourier file is one, so the desktop offers the program for it.
mime=$root/usr/share/mime/packages/fourier-analysis-lesson.xml
[ -f "$mime" ] || fail "no lesson file type at /usr/share/mime/packages"
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
  lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || {
    cat "$scratch/lintian.log" >&2
    fail "lintian finds errors or warnings in the package"
  }
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
metainfo=$root/usr/share/metainfo/io.github.fourier_analysis.FourierAnalysis.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata at /usr/share/metainfo"
grep -qF "<launchable type=\"desktop-id\">fourier-analysis.desktop</launchable>" "$metainfo" ||
  fail "the AppStream metadata does not launch the desktop entry"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 || {
    cat "$scratch/appstream.log" >&2
    fail "the AppStream metadata is not valid"
  }
fi

if ldd "$program" | grep -q "not found"; then
  ldd "$program" >&2
  fail "the unpacked program misses libraries"
fi
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
