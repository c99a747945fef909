#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sound as a user hears it: the program in a virtual X server plays through a PulseAudio
# server the test starts on its own, whose one sink is a null sink; what reaches that sink is
# recorded from its monitor and checked by its spectrum.
#   1. A lesson of Sin x and a 3-term square sum is opened; Ctrl+L plays the square sum: the
#      pitch, 220 Hz, at the level of a sum over 4 pi, with its 3rd and 5th harmonics at 1/3 and
#      1/5 of it, nothing at the even ones, and no gap.
#   2. Ctrl+Z takes the square sum back: the sine alone is heard at once.
#   3. Ctrl+L again: silence. Ctrl+L plays again; the pitch chosen in the Harmonics window,
#      440 Hz and back to 220 Hz, is heard at once; Clear silences it.
#   4. Clear undone, Ctrl+L plays the sine again; the sound server dies while it plays: one
#      message says so, and the program goes on.
# The program loads its sound module, beside it, on the first Ctrl+L. Skips (status 77) only
# when no PulseAudio server can be started at all.
# Usage: e2e_sound.sh PROGRAM OUTPUT-DIR   (the recordings are left in OUTPUT-DIR)
set -euo pipefail
program=$1
out=$2
skip=77

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
  echo "e2e_sound: no virtual X server could be reached" >&2
  exit 1
fi
xdotool getmouselocation >/dev/null 2>&1 || exit "$no_display"

fail() {
  echo "e2e_sound: $*" >&2
  exit 1
}

mkdir -p "$out"
rm -f "$out"/*.raw "$out"/*.txt "$out"/*.fourier
# The server's own runtime folder and home, so that it meets no other server, and runs as root
# too, where it only warns.
runtime=$(mktemp -d)
chmod 700 "$runtime"
pulse_pid=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime HOME=$runtime PULSE_SERVER=unix:$runtime/native
if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null; then
  echo "e2e_sound: skipped: pulseaudio and parec (packages pulseaudio, pulseaudio-utils) are missing" >&2
  exit "$skip"
fi
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm \
  -L "module-null-sink sink_name=heard rate=44100 channels=1" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$runtime/native" \
  --log-target="file:$out/pulseaudio.log" &
pulse_pid=$!
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$pulse_pid" 2>/dev/null || break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "e2e_sound: skipped: no PulseAudio server could be started; see $out/pulseaudio.log" >&2
  exit "$skip"
fi

export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1
lesson=$out/lesson.fourier
cat >"$lesson" <<'LESSON'
{"format": "fourier-analysis-lesson", "version": 1,
 "steps": [{"command": "sin", "terms": "3", "scale": "10"},
           {"command": "square", "terms": "3", "scale": "10"}]}
LESSON
"$program" "$lesson" 2>"$out/program.txt" &
pid=$!

windows() {
  xdotool search --onlyvisible --pid "$pid" --name "Fourier" 2>/dev/null || true
}
wait_for_windows() {
  local tries=$1 count=$2
  for _ in $(seq "$tries"); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    [ "$(windows | wc -l)" -eq "$count" ] && return 0
    sleep 0.1
  done
  return 1
}
wait_for_windows 100 1 || fail "the window did not appear"
main=$(windows | head -n 1)
sleep 0.5

source "$(dirname "$0")/../../scripts/positions.sh"
read -r -a clear_button <<<"${click_at[Command1]}"

key() {
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  xdotool key --clearmodifiers "$1"
}

# Records half a second of what reaches the sink as $1.raw, once the sound has had time to
# change: 16-bit samples, mono, 44,100 a second. The recording's first tenth of a second is
# left out: the monitor starts it with a few samples of its own silence.
record() {
  sleep 0.4
  timeout 10 parec --device=heard.monitor --format=s16le --rate=44100 --channels=1 \
    --latency-msec=20 --raw 2>/dev/null | head -c 52920 | tail -c 44100 >"$out/$1.raw" || true
  [ "$(stat -c %s "$out/$1.raw")" -eq 44100 ] || fail "nothing could be recorded from the sink"
}

# Reads $1.raw and prints the amplitude, in 16-bit steps, at each frequency given (a DFT of the
# whole recording at that frequency), then the largest sample and the longest run of samples
# within 100 of 0, in that order, on one line.
measure() {
  od -An -v -t d2 -w2 "$out/$1.raw" | awk -v list="${*:2}" '
    BEGIN { n = split(list, hz, " "); pi = atan2(0, -1) }
    {
      v = $1 + 0
      for (k = 1; k <= n; k++) {
        a = 2 * pi * hz[k] * m / 44100
        re[k] += v * cos(a); im[k] += v * sin(a)
      }
      if (v > top) top = v
      if (-v > top) top = -v
      if (v < 100 && v > -100) { run++; if (run > longest) longest = run } else run = 0
      m++
    }
    END {
      for (k = 1; k <= n; k++) printf "%.1f ", 2 * sqrt(re[k]^2 + im[k]^2) / m
      printf "%d %d\n", top, longest
    }' | tee "$out/$1.txt"
}

# Whether the awk condition $2 holds of $1's line of figures, called a (220 Hz), b (440), c
# (660), d (1100), top and run.
holds() {
  local name=$1 condition=$2
  read -r a b c d top run <"$out/$name.txt"
  awk -v a="$a" -v b="$b" -v c="$c" -v d="$d" -v top="$top" -v run="$run" \
    "BEGIN { exit !($condition) }"
}
expect() {
  holds "$1" "$2" ||
    fail "$1: not $2 (220 Hz $a, 440 Hz $b, 660 Hz $c, 1100 Hz $d, largest $top, silent run $run)"
}

# Records as $1 until the awk condition $2 holds, a few times at most: a machine busy with other
# work may take a moment longer to hear a key. What else must hold is then checked of that
# recording.
hear() {
  for _ in 1 2 3 4 5; do
    record "$1"
    measure "$1" 220 440 660 1100 >/dev/null
    holds "$1" "$2" && return 0
  done
  expect "$1" "$2"
}

# A sum over 4 pi of full scale: the square wave's base term, 4 sin x, is 32767 / pi.
base=10430
hear silent "top <= 1"

key ctrl+l
hear square "a > 0.97 * $base && c > a / 3 * 0.97"
expect square "a < 1.03 * $base && c < a / 3 * 1.03 && d > a / 5 * 0.97 && d < a / 5 * 1.03"
expect square "b < a / 300"
expect square "run < 4"

key ctrl+z
hear sine "a > 0.97 * $base && c < a / 300"
expect sine "a < 1.03 * $base && d < a / 300 && run < 4"

key ctrl+l
hear stopped "top <= 1"

key ctrl+l
hear again "a > 0.97 * $base"
# The pitch, chosen from the keyboard in the Harmonics window, changes at once; Escape closes
# the window, and the sound goes on at the pitch chosen last.
key ctrl+h
harmonics=""
for _ in $(seq 50); do
  harmonics=$(xdotool search --onlyvisible --pid "$pid" --name "^Harmonics$" 2>/dev/null | head -n 1)
  [ -n "$harmonics" ] && break
  sleep 0.1
done
[ -n "$harmonics" ] || fail "Ctrl+H did not open the Harmonics window"
sleep 0.5
xdotool key --clearmodifiers alt+i
xdotool key --clearmodifiers Down
hear higher "b > 0.97 * $base && a < b / 300"
xdotool key --clearmodifiers Up Escape
hear lower "a > 0.97 * $base && b < a / 300"
xdotool mousemove --window "$main" "${clear_button[@]}" click 1
hear cleared "top <= 1"

# The server goes while the sound plays: one message says so, and the program goes on.
key ctrl+z
key ctrl+l
hear last "a > 0.97 * $base"
sleep 0.3
kill -9 "$pulse_pid"
wait "$pulse_pid" 2>/dev/null || true
pulse_pid=""
wait_for_windows 50 2 || fail "no message came up when the sound server went"
box=$(windows | grep -vx "$main" | head -n 1)
for _ in $(seq 3); do
  xdotool windowfocus "$box" 2>/dev/null || true
  xdotool key Return
  wait_for_windows 20 1 && break
done
[ "$(windows | wc -l)" -eq 1 ] || fail "the message box would not close"
sleep 0.5
[ "$(windows | wc -l)" -eq 1 ] || fail "more than one message came up"
kill -0 "$pid" 2>/dev/null || fail "the program ended with the sound server"
echo "e2e_sound: passed; recordings in $out"
