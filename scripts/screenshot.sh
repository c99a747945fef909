#!/usr/bin/env bash
# Starts the program in a virtual X server, optionally presses buttons, and saves the window as a PNG.
# Usage: scripts/screenshot.sh BINARY OUTPUT.png [button-name ...]
# A button name is one of the window's button captions, clicked in order before the capture.
set -euo pipefail
binary=$1
output=$2
shift 2
if [ -z "${FOURIER_IN_XVFB:-}" ]; then
  export FOURIER_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$binary" "$output" "$@"
fi
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --pid "$pid" --name "Fourier" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5
declare -A at=(
  ["Clear"]="512 236" ["Sin x"]="512 92" ["Cos x"]="512 164"
  ["Square"]="324 436" ["Triangular"]="436 436" ["Sawtooth"]="556 436"
)
for button in "$@"; do
  read -r bx by <<<"${at[$button]}"
  xdotool mousemove --window "$window" "$bx" "$by" click 1
  sleep 0.7
done
xwd -silent -id "$window" -out /tmp/fourier-shot.xwd
convert /tmp/fourier-shot.xwd "$output"
