#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the program in a virtual X server, optionally presses buttons, and saves the window as a PNG.
# Usage: scripts/screenshot.sh BINARY OUTPUT.png [button-name ...]
# Each step, in order before the capture: a button (Clear, "Sin x", "Cos x", Square, Triangular,
# Sawtooth) to click, T1=text or T2=text to type into a box, sleep=seconds to wait, or Harmonics
# to open the Harmonics window with Ctrl+H, which is then the window captured. The virtual screen
# is 1024x768 pixels, or the size FOURIER_SCREEN gives, such as 1600x900.
set -euo pipefail
binary=$1
output=$2
shift 2
if [ -z "${FOURIER_IN_XVFB:-}" ]; then
  export FOURIER_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 ${FOURIER_SCREEN:-1024x768}x24 -dpi 96" "$0" "$binary" "$output" "$@"
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
source "$(dirname "$0")/positions.sh"
declare -A button=(
  ["Clear"]=Command1 ["Sin x"]=Command2 ["Cos x"]=Command3
  ["Square"]=Ejecutar ["Triangular"]=Command4 ["Sawtooth"]=Command5
)
for step in "$@"; do
  case "$step" in
    T1=* | T2=*)
      read -r bx by <<<"${click_at[${step%%=*}]}"
      xdotool mousemove --window "$window" "$bx" "$by" click 1 key ctrl+a type "${step#*=}"
      ;;
    sleep=*) sleep "${step#*=}" ;;
    Harmonics)
      # The keys reach the window where it was clicked last.
      xdotool key --clearmodifiers ctrl+h
      shown=""
      for _ in $(seq 50); do
        shown=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Harmonics$' 2>/dev/null |
          head -n 1 || true)
        [ -n "$shown" ] && break
        sleep 0.1
      done
      [ -n "$shown" ] || { echo "the Harmonics window did not appear" >&2; exit 1; }
      window=$shown
      sleep 0.5
      ;;
    *)
      read -r bx by <<<"${click_at[${button[$step]}]}"
      xdotool mousemove --window "$window" "$bx" "$by" click 1
      sleep 0.7
      ;;
  esac
done
xwd -silent -id "$window" -out /tmp/fourier-shot.xwd
convert /tmp/fourier-shot.xwd "$output"
