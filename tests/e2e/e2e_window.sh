#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as a user meets it: started in a virtual X server, clicked and typed at with
# xdotool, its window captured with xwd and checked pixel by pixel with windowcheck.
#   1. Started with a lesson file named on its command line, which holds Sin x: the sine is
#      drawn, and no message comes up.
#   2. "Calculate  Square Series" at the initial texts: both curves where their formulas put
#      them. Ctrl+Z takes the square sum back, Ctrl+Y brings it again.
#   3. A scale of 25, then Sin x: the message box about the scale comes up; once it is
#      dismissed, the picture was cleared and the sine redrawn at the scale still in force.
#   4. Ctrl+H: the Harmonics window comes up beside the main window, not over it, on a screen
#      1,024 pixels wide; Escape closes it.
# Usage: e2e_window.sh PROGRAM WINDOWCHECK OUTPUT-DIR   (the captures are left in OUTPUT-DIR)
set -euo pipefail
program=$1
checker=$2
out=$3

# The status for "the virtual X server could not be reached": another one started at the same
# moment may take the display number. Then the run is tried again on another number. The
# server runs with -noreset: by default it resets when its last client leaves, and refuses
# connections meanwhile, so the program could fail to connect right after that check.
no_display=75
if [ -z "${FOURIER_E2E_IN_XVFB:-}" ]; then
  export FOURIER_E2E_IN_XVFB=1
  mkdir -p "$out"
  for _ in 1 2 3; do
    status=0
    xvfb-run -a -n $((200 + RANDOM % 500)) -e "$out/xvfb.log" \
      -s "-screen 0 1024x768x24 -dpi 96 -noreset" "$0" "$@" || status=$?
    [ "$status" -eq "$no_display" ] || exit "$status"
  done
  echo "e2e_window: no virtual X server could be reached" >&2
  exit 1
fi
xdotool getmouselocation >/dev/null 2>&1 || exit "$no_display"

export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.xwd "$out"/*.txt "$out"/*.fourier

lesson=$out/lesson.fourier
cat >"$lesson" <<'LESSON'
{"format": "fourier-analysis-lesson", "version": 1,
 "steps": [{"command": "sin", "terms": "4", "scale": "10"}]}
LESSON
"$program" "$lesson" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

fail() {
  echo "e2e_window: $*" >&2
  exit 1
}

# The program's visible windows, the main one first.
windows() {
  xdotool search --onlyvisible --pid "$pid" --name "Fourier" 2>/dev/null || true
}

# Waits up to $1 tenths of a second for the program to show exactly $2 windows.
wait_for_windows() {
  local tries=$1 count=$2
  for _ in $(seq "$tries"); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    [ "$(windows | wc -l)" -eq "$count" ] && return 0
    sleep 0.1
  done
  return 1
}

click() {
  xdotool mousemove --window "$main" "$1" "$2" click 1
}

capture() {
  xwd -silent -id "$1" -out "$out/$2.xwd"
  convert "$out/$2.xwd" "$out/$2.png"
}

# Captures the main window as $1.png until windowcheck accepts it with the rest of the
# arguments: a plot may still be drawing when the first capture is taken.
check_window() {
  local name=$1
  shift
  for _ in $(seq 10); do
    capture "$main" "$name"
    "$checker" "$out/$name.png" "$@" >"$out/$name.txt" && return 0
    sleep 0.3
  done
  cat "$out/$name.txt" >&2
  fail "the window in $out/$name.png is not as it should be"
}

wait_for_windows 100 1 || fail "the window did not appear"
main=$(windows | head -n 1)
sleep 0.3

source "$(dirname "$0")/../../scripts/positions.sh"
read -r -a sin_x <<<"${click_at[Command2]}"
read -r -a square_series <<<"${click_at[Ejecutar]}"
read -r -a scale_box <<<"${click_at[T2]}"

check_window opened sine=present square=absent
[ "$(windows | wc -l)" -eq 1 ] || fail "a message came up as the lesson opened"
click "${square_series[@]}"
check_window curves sine=present square=present
xdotool key --clearmodifiers ctrl+z
check_window undone sine=present square=absent
xdotool key --clearmodifiers ctrl+y
check_window redone sine=present square=present

click "${scale_box[@]}"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "25"
click "${sin_x[@]}"
wait_for_windows 50 2 || fail "no message box came up for a scale of 25"
box=$(windows | grep -vx "$main" | head -n 1)
capture "$box" message
for _ in $(seq 3); do
  xdotool windowfocus "$box" 2>/dev/null || true
  xdotool key Return
  wait_for_windows 20 1 && break
done
[ "$(windows | wc -l)" -eq 1 ] || fail "the message box would not close"
check_window cleared sine=present square=absent

click "${scale_box[@]}"
xdotool key --clearmodifiers ctrl+h
harmonics=""
for _ in $(seq 50); do
  harmonics=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Harmonics$' 2>/dev/null |
    head -n 1 || true)
  [ -n "$harmonics" ] && break
  sleep 0.1
done
[ -n "$harmonics" ] || fail "Ctrl+H did not bring up the Harmonics window"
eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/main_/')"
eval "$(xdotool getwindowgeometry --shell "$harmonics")"
# shellcheck disable=SC2154 # main_X and main_WIDTH come from the eval above
[ "$X" -ge $((main_X + main_WIDTH)) ] || [ $((X + WIDTH)) -le "$main_X" ] ||
  fail "the Harmonics window at $X,$Y ${WIDTH}x$HEIGHT lies over the main window"
[ $((X + WIDTH)) -le 1024 ] || fail "the Harmonics window reaches beyond the screen"
sleep 0.5
capture "$harmonics" harmonics
xdotool key --clearmodifiers Escape
for _ in $(seq 20); do
  xdotool search --all --onlyvisible --pid "$pid" --name '^Harmonics$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --all --onlyvisible --pid "$pid" --name '^Harmonics$' >/dev/null 2>&1 &&
  fail "Escape did not close the Harmonics window"
echo "e2e_window: passed; captures in $out"
