#!/usr/bin/env bash
# Builds the Debian package from a build tree with cpack, unpacks it into a scratch root with
# dpkg-deb -x (no installing, so no root needed), and checks what a user would get: the
# package's control fields and dependencies, the program, its desktop entry and icon, and that
# the unpacked program starts and keeps running.
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
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
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
for line in "Name=Fourier Análisis" "Exec=fourier-analysis" "Icon=fourier-analysis" \
  "Categories=Education;Math;"; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done

if ldd "$program" | grep -q "not found"; then
  ldd "$program" >&2
  fail "the unpacked program misses libraries"
fi
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
