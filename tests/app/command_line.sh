#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's command line, one row a case: what it is run with, the status it must end
# with, and what its standard output and error must say. "runs" means it was still showing
# its window when timeout stopped it (status 124). Every case runs in the C locale, where the
# program speaks English, but for those that choose another language.
# Usage: command_line.sh PROGRAM VERSION
set -euo pipefail
program=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A display number nobody serves (above those the window test's virtual servers take): the
# program must say so, not abort with a core dump.
display_number=$((1000 + RANDOM % 1000))
while [ -e "/tmp/.X$display_number-lock" ] || [ -e "/tmp/.X11-unix/X$display_number" ]; do
  display_number=$((display_number + 1))
done
dead_display=":$display_number"
# Off screen, on one 1280 x 1024 screen: a projector's.
cat >"$scratch/screen.json" <<'SCREEN'
{ "screens": [ { "name": "projector", "x": 0, "y": 0, "width": 1280, "height": 1024,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
SCREEN
unset_locale=(-u LANGUAGE -u LC_ALL -u LC_MESSAGES)
offscreen=(env "${unset_locale[@]}" LANG=C QT_QPA_PLATFORM="offscreen:configfile=$scratch/screen.json")
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
no_display=(env "${unset_locale[@]}" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C)

# A lesson, and a file that is none: either way the window comes up (a bad file gets a message
# box in it).
cat >"$scratch/lesson.fourier" <<'LESSON'
{"format": "fourier-analysis-lesson", "version": 1,
 "steps": [{"command": "sin", "terms": "4", "scale": "10"}]}
LESSON
printf 'not a lesson' >"$scratch/picture.png"
# Three square sums: what an export draws. An older picture that a refused export must keep.
cat >"$scratch/squares.fourier" <<'LESSON'
{"format": "fourier-analysis-lesson", "version": 1,
 "steps": [{"command": "square", "terms": "1", "scale": "10"},
           {"command": "square", "terms": "3", "scale": "10"},
           {"command": "square", "terms": "10", "scale": "10"}]}
LESSON
printf 'an older picture' >"$scratch/kept.png"
# What is at an export's name, or is the lesson, and is no regular file: a named pipe nobody
# writes to, a link to itself. A link to an older picture is written through.
mkfifo "$scratch/pipe.png" "$scratch/pipe.fourier" "$scratch/pipe.csv"
ln -s loop.png "$scratch/loop.png"
printf 'an older picture' >"$scratch/behind.png"
ln -s behind.png "$scratch/link.png"
# Counts no loop could count to, drawn at once: infinity (what 1e400 reads as) in the second
# step, 10^18 in the third. And a lesson that takes far longer than anyone waits: as many curves
# as a lesson may hold, each of a trillion terms.
lesson_with() {
  printf '{"format": "fourier-analysis-lesson", "version": 1, "steps": [%s]}\n' "$1" >"$scratch/$2"
}
lesson_with '{"command": "sin", "terms": "4", "scale": "10"},
  {"command": "square", "terms": "1e400", "scale": "10"}' endless.fourier
lesson_with '{"command": "square", "terms": "3", "scale": "10"},
  {"command": "triangle", "terms": "5", "scale": "10"},
  {"command": "sawtooth", "terms": "1e18", "scale": "10"}' huge.fourier
lesson_with "$(printf '{"command": "square", "terms": "1e12", "scale": "10"},%.0s' {1..9999})
  {\"command\": \"triangle\", \"terms\": \"1e12\", \"scale\": \"10\"}" long.fourier

# The square of 4 terms, its ideal wave behind it, and the triangle of 4 terms over both: what
# --describe tells of, and an export draws.
lesson_with '{"command": "square", "terms": "4", "scale": "10"},
  {"command": "ideal", "terms": "4", "scale": "10"},
  {"command": "triangle", "terms": "4", "scale": "10"}' ideal.fourier

# A sum of a billion terms, whose sound and values take no longer than a few terms'; and a
# picture that Clear left without a curve.
lesson_with '{"command": "sawtooth", "terms": "3", "scale": "10"},
  {"command": "square", "terms": "1e9", "scale": "5"}' billion.fourier
lesson_with '{"command": "sin", "terms": "4", "scale": "10"},
  {"command": "clear", "terms": "4", "scale": "10"}' cleared.fourier

# A pasted page instead of a factor: echoed back cut short, on one readable line.
long_text=$(printf 'x%.0s' {1..100000})

# name | command prefix | arguments | status | stdout pattern | stderr pattern | stderr lines
# (an empty count of lines is not checked)
# The German rows quote as German does, with „ and “.
# shellcheck disable=SC1111
cases=(
  "help|no_display|--help|0|^Usage: fourier-analysis \[options\]|^$|0"
  "help, short|no_display|-h|0|--zoom <FACTOR>|^$|0"
  "version|no_display|--version|0|^fourier-analysis $version$|^$|0"
  "help with Qt's options|no_display|--help-all|0|--style <name>|^$|0"
  "help with Qt's options, on a display|offscreen|--help-all|0|--platform <name>|^$|0"
  "unknown option|offscreen|--colour red|2|^$|^fourier-analysis: Unknown option 'colour'\.$|"
  "a lesson to open|offscreen|lesson.fourier|runs|^$|^$|0"
  "a file that is no lesson|offscreen|picture.png|runs|^$|*|"
  "two files|offscreen|lesson.fourier picture.png|2|^$|^fourier-analysis: Unexpected argument 'picture.png'\.$|"
  "help names the file|no_display|--help|0|^Usage: fourier-analysis \[options\] \[file\]$|^$|0"
  "zoom without factor|offscreen|--zoom|2|^$|^fourier-analysis: Missing value after '--zoom'\.$|"
  "zoom 0|offscreen|--zoom 0|2|^$|^fourier-analysis: --zoom wants a factor of 1 or more.*not '0'\.$|"
  "zoom negative|offscreen|--zoom=-2|2|^$|not '-2'\.$|"
  "zoom NaN|offscreen|--zoom nan|2|^$|not 'nan'\.$|"
  "zoom infinite|offscreen|--zoom inf|2|^$|not 'inf'\.$|"
  "zoom text|offscreen|--zoom big|2|^$|not 'big'\.$|"
  "zoom with a comma|offscreen|--zoom 1,5|2|^$|not '1,5'\.$|"
  "zoom a page long|offscreen|--zoom $long_text|2|^$|not 'x{40}…'\.$|"
  "zoom 2 fits|offscreen|--zoom 2|runs|^$|^$|0"
  "zoom 3 is too large|offscreen|--zoom 3|runs|^$|^fourier-analysis: a zoom of 3 does not fit the screen; using 2$|1"
  "zoom 100 is too large|offscreen|--zoom 100|runs|^$|^fourier-analysis: a zoom of 100 does not fit the screen; using 2$|1"
  "Qt's own options|no_display|-platform offscreen -style Fusion -reverse|runs|^$|^$|0"
  "no display|no_display||1|^$|^fourier-analysis: no display to show the window on|1"
  "unreachable display|dead_display||1|^$|^fourier-analysis: cannot open the display .*DISPLAY=$dead_display|1"
  "help in the desktop's language|german|--help|0|^Aufruf: fourier-analysis \[Optionen\]|^$|0"
  "LANGUAGE ignored under LANG=C|c_with_language|--help|0|^Usage: fourier-analysis \[options\]|^$|0"
  "help in the language asked for|no_display|--lang es --help|0|^Uso: fourier-analysis \[opciones\]|^$|0"
  "asked for over the desktop's|german|--lang=pt_BR -h|0|^Uso: fourier-analysis \[opções\]|^$|0"
  "a language not spoken|german|--lang xx --version|0|^fourier-analysis $version$|^fourier-analysis: there is no translation into 'xx'; the program speaks English$|1"
  "error in the desktop's language|german|--colour red|2|^$|^fourier-analysis: Unbekannte Option „colour“\.$|"
  "zoom refused in the desktop's language|german|--zoom 1,5|2|^$|nicht „1,5“\.$|"
  "zoom read with a full stop in every language|german_offscreen|--zoom 1.5|runs|^$|^$|0"
  "zoom lowered in the desktop's language|german_offscreen|--zoom 3|runs|^$|^fourier-analysis: ein Zoom von 3 passt nicht auf den Bildschirm; verwendet wird 2$|1"
  "no display in the desktop's language|german||1|^$|^fourier-analysis: keine Anzeige für das Fenster: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt$|1"
  "unreachable display in the language asked for|dead_display|--lang fr|1|^$|^fourier-analysis: impossible d'ouvrir l'écran .*DISPLAY=$dead_display|1"
  "export without a display|no_display|--export drawn.png --size 3 squares.fourier|0|^$|^$|0"
  "export with a display that does not answer|dead_display|--export drawn.pdf squares.fourier|0|^$|^$|0"
  "export at a width in pixels|offscreen|--export drawn.svg --size 1920px squares.fourier|0|^$|^$|0"
  "export size 0|no_display|--export refused.png --size 0 squares.fourier|2|^$|^fourier-analysis: --size wants a whole factor from 1 to 8, or a width from 373 to 2984 pixels such as 1920px, not '0'\.$|"
  "export size 9|no_display|--export refused.png --size 9 squares.fourier|2|^$|not '9'\.$|"
  "export size not whole|no_display|--export refused.png --size 2.5 squares.fourier|2|^$|not '2\.5'\.$|"
  "export size negative|no_display|--export refused.png --size=-3 squares.fourier|2|^$|not '-3'\.$|"
  "export size text|no_display|--export refused.png --size big squares.fourier|2|^$|not 'big'\.$|"
  "export width too narrow|no_display|--export refused.png --size 372px squares.fourier|2|^$|not '372px'\.$|"
  "export width too wide|no_display|--export refused.png --size 2985px squares.fourier|2|^$|not '2985px'\.$|"
  "export size a page long|no_display|--export refused.png --size $long_text squares.fourier|2|^$|not 'x{40}…'\.$|"
  "export size without a value|no_display|--export refused.png squares.fourier --size|2|^$|^fourier-analysis: Missing value after '--size'\.$|"
  "size without export|no_display|--size 3 squares.fourier|2|^$|^fourier-analysis: --size goes with --export\.$|"
  "time limit without export|no_display|--time-limit 5 squares.fourier|2|^$|^fourier-analysis: --time-limit goes with --export\.$|"
  "time limit 0|no_display|--export refused.png --time-limit 0 squares.fourier|2|^$|^fourier-analysis: --time-limit wants a number of seconds above 0, such as 60 or 2\.5, not '0'\.$|"
  "time limit negative|no_display|--export refused.png --time-limit=-1 squares.fourier|2|^$|not '-1'\.$|"
  "time limit infinite|no_display|--export refused.png --time-limit inf squares.fourier|2|^$|not 'inf'\.$|"
  "time limit text|no_display|--export refused.png --time-limit soon squares.fourier|2|^$|not 'soon'\.$|"
  "export within a time limit|no_display|--export timed.png --time-limit 30 squares.fourier|0|^$|^$|0"
  "export without a file name|no_display|--export|2|^$|^fourier-analysis: Missing value after '--export'\.$|"
  "export without a lesson|no_display|--export refused.png|2|^$|^fourier-analysis: --export wants a lesson file to draw\.$|"
  "export two lessons|no_display|--export refused.png squares.fourier lesson.fourier|2|^$|^fourier-analysis: Unexpected argument 'lesson.fourier'\.$|"
  "export to another format|no_display|--export refused.gif squares.fourier|2|^$|^fourier-analysis: --export wants a file name ending in \.png, \.svg, \.pdf, \.wav or \.csv, not 'refused\.gif'\.$|"
  "export to no ending|no_display|--export refused squares.fourier|2|^$|not 'refused'\.$|"
  "export a file that is no lesson over an older picture|no_display|--export kept.png picture.png|1|^$|^fourier-analysis: the lesson picture\.png could not be opened: line 1, column [0-9]+: not JSON|1"
  "export a lesson that is not there|no_display|--export refused.png missing.fourier|1|^$|^fourier-analysis: the lesson missing\.fourier could not be opened: |1"
  "export into a folder that is not there|no_display|--export missing/refused.png squares.fourier|1|^$|^fourier-analysis: the picture could not be exported as missing/refused\.png: No such file or directory$|1"
  "export over a folder|no_display|--export runtime/. squares.fourier|2|^$|not 'runtime/\.'\.$|"
  "export over a named pipe|no_display|--export pipe.png squares.fourier|1|^$|^fourier-analysis: the picture could not be exported as pipe\.png: not a regular file$|1"
  "export over a loop of links|no_display|--export loop.png squares.fourier|1|^$|^fourier-analysis: the picture could not be exported as loop\.png: Too many levels of symbolic links$|1"
  "export through a link|no_display|--export link.png squares.fourier|0|^$|^$|0"
  "export a lesson that is a named pipe|no_display|--export refused.png pipe.fourier|1|^$|^fourier-analysis: the lesson pipe\.fourier could not be opened: not a regular file$|1"
  "export refused in the desktop's language|german|--export refused.png --size 9 squares.fourier|2|^$|^fourier-analysis: --size .*nicht „9“\.$|"
  "export a count of 1e400|no_display|--export drawn-endless.png endless.fourier|0|^$|^$|0"
  "export a count of 1e18|no_display|--export drawn-huge.png --size 8 huge.fourier|0|^$|^$|0"
  "export twice|no_display|--export refused.png --export refused.svg squares.fourier|2|^$|^fourier-analysis: --export is given more than once\.$|"
  "size twice|no_display|--export refused.png --size 2 --size 3 squares.fourier|2|^$|^fourier-analysis: --size is given more than once\.$|"
  "export with no runtime folder set|no_runtime|--export drawn-quietly.png squares.fourier|0|^$|^$|0"
  "export the ideal wave|no_display|--export ideal.png ideal.fourier|0|^$|^$|0"
  "harmonics beside the window|offscreen|--harmonics squares.fourier|runs|^$|*|"
  "harmonics with an export|no_display|--harmonics --export refused.png squares.fourier|2|^$|^fourier-analysis: --harmonics opens a window, which --export and --describe do not\.$|"
  "describe a lesson|no_display|--describe ideal.fourier|0|^    Overshoot at the jump: 3\.72035 at x = 0\.392699 \(π/8\), 9\.2113 % of the jump$|^$|0"
  "describe the triangle|no_display|--describe ideal.fourier|0|^    Largest error: 0\.248725 at x = 0$|^$|0"
  "describe as JSON|no_display|--describe --json ideal.fourier|0|^  \{\"description\": \"Square series, 4 terms, scale 10\", \"wave\": \"square\", \"terms\": 4, \"overshoot\": \{\"x\": 0\.39269908169|^$|0"
  "describe in the desktop's language|german|--describe ideal.fourier|0|^Rechteckreihe, 4 Glieder, Maßstab 10$|^$|0"
  "describe without a lesson|no_display|--describe|2|^$|^fourier-analysis: --describe wants a lesson file to describe\.$|"
  "JSON without describe|no_display|--json ideal.fourier|2|^$|^fourier-analysis: --json goes with --describe\.$|"
  "describe and export|no_display|--describe --export refused.png ideal.fourier|2|^$|^fourier-analysis: --describe and --export do not go together\.$|"
  "describe a file that is no lesson|no_display|--describe picture.png|1|^$|^fourier-analysis: the lesson picture\.png could not be opened: line 1, column [0-9]+: not JSON|1"
  "describe the ideal wave|no_display|--describe endless.fourier|0|^    Overshoot at the jump: 3\.70387 at x = 0 \(π/∞\), 8\.9490 % of the jump$|^$|0"
  "sound at a pitch, for a time|no_display|--export tone.wav --pitch 440 --seconds 0.5 squares.fourier|0|^$|^$|0"
  "sound at the highest pitch|no_display|--export high.wav --pitch 2000 billion.fourier|0|^$|^$|0"
  "sound by default|no_display|--export default.wav squares.fourier|0|^$|^$|0"
  "values at some points|no_display|--export values.csv --points 5 squares.fourier|0|^$|^$|0"
  "values in German|german|--export values-de.csv --points 3 squares.fourier|0|^$|^$|0"
  "values by default|no_display|--export default.csv billion.fourier|0|^$|^$|0"
  "seconds without export|no_display|--seconds 2 squares.fourier|2|^$|^fourier-analysis: --seconds goes with --export\.$|"
  "points without export|no_display|--points 9 squares.fourier|2|^$|^fourier-analysis: --points goes with --export\.$|"
  "pitch with a picture|no_display|--export refused.png --pitch 440 squares.fourier|2|^$|^fourier-analysis: --pitch goes with a sound: an export to \.wav\.$|"
  "points with a sound|no_display|--export refused.wav --points 9 squares.fourier|2|^$|^fourier-analysis: --points goes with curve data: an export to \.csv\.$|"
  "seconds with values|no_display|--export refused.csv --seconds 3 squares.fourier|2|^$|^fourier-analysis: --seconds goes with a sound: an export to \.wav\.$|"
  "size with a sound|no_display|--export refused.wav --size 2 squares.fourier|2|^$|^fourier-analysis: --size goes with a picture: an export to \.png, \.svg or \.pdf\.$|"
  "seconds too few|no_display|--export refused.wav --seconds 0.09 squares.fourier|2|^$|^fourier-analysis: --seconds wants a number of seconds from 0\.1 to 60, such as 2 or 0\.5, not '0\.09'\.$|"
  "seconds too many|no_display|--export refused.wav --seconds 61 squares.fourier|2|^$|not '61'\.$|"
  "seconds not a number|no_display|--export refused.wav --seconds nan squares.fourier|2|^$|not 'nan'\.$|"
  "pitch too low|no_display|--export refused.wav --pitch 19 squares.fourier|2|^$|^fourier-analysis: --pitch wants a whole number of Hz from 20 to 2000, such as 220 or 440, not '19'\.$|"
  "pitch too high|no_display|--export refused.wav --pitch 2001 squares.fourier|2|^$|not '2001'\.$|"
  "pitch not whole|no_display|--export refused.wav --pitch 440.5 squares.fourier|2|^$|not '440\.5'\.$|"
  "points too few|no_display|--export refused.csv --points 1 squares.fourier|2|^$|^fourier-analysis: --points wants a whole number of points from 2 to 400001, such as 1001, not '1'\.$|"
  "points too many|no_display|--export refused.csv --points 400002 squares.fourier|2|^$|not '400002'\.$|"
  "pitch twice|no_display|--export refused.wav --pitch 220 --pitch 440 squares.fourier|2|^$|^fourier-analysis: --pitch is given more than once\.$|"
  "a sound of a lesson without a curve|no_display|--export refused.wav cleared.fourier|1|^$|^fourier-analysis: the lesson cleared\.fourier leaves no curve in its picture$|1"
  "values of a lesson without a curve|no_display|--export refused.csv cleared.fourier|1|^$|^fourier-analysis: the lesson cleared\.fourier leaves no curve in its picture$|1"
  "values over a named pipe|no_display|--export pipe.csv squares.fourier|1|^$|^fourier-analysis: the values could not be exported as pipe\.csv: not a regular file$|1"
  "sound into a folder that is not there|no_display|--export missing/refused.wav squares.fourier|1|^$|^fourier-analysis: the sound could not be exported as missing/refused\.wav: No such file or directory$|1"
  "values of the ideal wave of a count of 1e400|no_display|--export endless.csv --points 3 endless.fourier|0|^$|^$|0"
)

# Whether FILE matches the extended regular expression, where ^$ means "is empty" and * means
# anything at all (the offscreen plugin may warn about the message box).
matches() {
  if [ "$2" = '*' ]; then
    return 0
  elif [ "$2" = '^$' ]; then
    [ ! -s "$1" ]
  else
    grep -qE -- "$2" "$1"
  fi
}

failures=0
for row in "${cases[@]}"; do
  IFS='|' read -r name prefix arguments status out_pattern err_pattern err_lines <<<"$row"
  case "$prefix" in
    offscreen) run=("${offscreen[@]}") ;;
    no_display) run=("${no_display[@]}") ;;
    dead_display)
      run=(env "${unset_locale[@]}" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C DISPLAY="$dead_display")
      ;;
    german) run=("${no_display[@]}" LANG=de_DE.UTF-8) ;;
    german_offscreen) run=("${offscreen[@]}" LANG=de_DE.UTF-8) ;;
    c_with_language) run=("${no_display[@]}" LANGUAGE=de) ;;
    # As root or in cron: Qt must find what it needs without a word on standard error.
    no_runtime) run=("${no_display[@]}" env -u XDG_RUNTIME_DIR TMPDIR="$scratch") ;;
  esac
  # shellcheck disable=SC2206 # the arguments are split on blanks on purpose
  words=($arguments)
  got=0
  (cd "$scratch" && ulimit -c 0 && timeout 3 "${run[@]}" "$program" "${words[@]}" \
    >"$scratch/out" 2>"$scratch/err") || got=$?
  [ "$status" = runs ] && status=124
  problem=""
  [ "$got" -eq "$status" ] || problem+=" ended with status $got, not $status;"
  matches "$scratch/out" "$out_pattern" || problem+=" standard output does not match $out_pattern;"
  head -n 1 "$scratch/err" >"$scratch/err1"
  matches "$scratch/err1" "$err_pattern" ||
    problem+=" standard error does not start with $err_pattern;"
  # "Usage: fourier-analysis [options]" in English, "Uso: ..." in Spanish, and so on.
  if [ "$status" -eq 2 ] && ! grep -qE "^[^:]+: fourier-analysis \[" "$scratch/err"; then
    problem+=" no usage on standard error;"
  fi
  if [ -n "$err_lines" ] && [ "$(wc -l <"$scratch/err")" -ne "$err_lines" ]; then
    problem+=" standard error has $(wc -l <"$scratch/err") lines, not $err_lines;"
  fi
  if compgen -G "$scratch/core*" >/dev/null; then problem+=" it dumped core;"; fi
  if [ -n "$problem" ]; then
    echo "command_line: $name: $problem" >&2
    sed 's/^/  out: /' "$scratch/out" >&2
    sed 's/^/  err: /' "$scratch/err" >&2
    failures=$((failures + 1))
  fi
done
# A typed word or a word from a file with a control character in it is quoted with the character
# escaped, on the message's one line: a newline would break the line, NUL cut it short, ESC
# send the terminal its codes.
printf '{"format": "fourier-analysis-lesson", "version": 1, "steps": [{"command": "sq\\u0000u\\u001bare", "terms": "1", "scale": "1"}]}' \
  >"$scratch/control.fourier"
# Each row: the arguments, their words apart by blanks and written as printf's %b reads them;
# what the first line of standard error must hold.
escapes=(
  '--lang x\ny --version|there is no translation into .x\\ny.'
  '--zoom \033[31mred|not .\\x1b\[31mred.'
  '--colo\x7fur|Unknown option .colo\\x7fur.'
  '--export a\tb\rc squares.fourier|not .a\\tb\\rc.'
  '--export refused.png control.fourier|step 1: unknown command "sq\\0u\\x1bare"'
)
for row in "${escapes[@]}"; do
  IFS='|' read -r typed pattern <<<"$row"
  words=()
  for word in $typed; do words+=("$(printf '%b' "$word")"); done
  got=0
  (cd "$scratch" && "${no_display[@]}" "$program" "${words[@]}" >/dev/null 2>"$scratch/err") || got=$?
  if ! head -n 1 "$scratch/err" | grep -qE -- "$pattern" || grep -q $'\e' "$scratch/err" ||
    { [ "$got" -ne 2 ] && [ "$(wc -l <"$scratch/err")" -ne 1 ]; }; then
    echo "command_line: $typed ended with $got:" >&2
    cat -A "$scratch/err" | sed 's/^/  err: /' >&2
    failures=$((failures + 1))
  fi
done

# What the exports wrote: pictures of the size asked for, whose numbers are text in the PDF;
# what they refused left no file, and kept the older one byte for byte.
export_problems=()
file "$scratch/ideal.png" | grep -q "PNG image data, 373 x 325," ||
  export_problems+=("ideal.png is not a 373 x 325 PNG image: $(file -b "$scratch/ideal.png")")
file "$scratch/drawn.png" | grep -q "PNG image data, 1119 x 975," ||
  export_problems+=("drawn.png is not a 1119 x 975 PNG image: $(file -b "$scratch/drawn.png")")
identify -format '%w x %h' "$scratch/drawn.svg" 2>/dev/null | grep -qx '1920 x 1673' ||
  grep -q 'viewBox="0 0 1920 1673"' "$scratch/drawn.svg" ||
  export_problems+=("drawn.svg is not a 1920 x 1673 drawing")
pdftotext "$scratch/drawn.pdf" - 2>/dev/null | tr -s ' \n' ' ' | grep -q -- "-3 -2 -1 0" ||
  export_problems+=("the numbers of drawn.pdf are not text: $(pdftotext "$scratch/drawn.pdf" - 2>&1 | head -c 200)")
compgen -G "$scratch/refused*" >/dev/null && export_problems+=("a refused export left a file")
[ -e "$scratch/missing" ] && export_problems+=("a refused export made a folder")
[ "$(cat "$scratch/kept.png")" = "an older picture" ] ||
  export_problems+=("a refused export did not keep the older picture")
[ -p "$scratch/pipe.png" ] && [ -p "$scratch/pipe.fourier" ] && [ -p "$scratch/pipe.csv" ] ||
  export_problems+=("a named pipe is no longer one")
[ "$(readlink "$scratch/loop.png")" = loop.png ] ||
  export_problems+=("the loop of links is no longer one")
[ "$(readlink "$scratch/link.png")" = behind.png ] && file "$scratch/behind.png" | grep -q "PNG image data" ||
  export_problems+=("an export through a link did not keep the link and write the picture behind it")
# The sounds: 16-bit mono WAV files at 44,100 Hz of the length asked for, 2 s unless asked,
# of the lesson's newest curve at the pitch asked for: the square sum of 10 terms at 440 Hz has
# its odd harmonics in the ratio 1 : 1/3 : 1/5 at the level of a sum over 4 pi, and nothing at
# the even ones; of a billion terms at 2000 Hz only those below 20 kHz, nothing at 22 kHz. They
# fade in and out from 0 and reach nowhere near full scale.
# Prints the amplitude in 16-bit steps at each frequency given (a DFT of the whole file at
# that frequency), then the number of samples, the first, the last and the largest.
spectrum() {
  od -An -v -t d2 -w2 -j 44 "$1" | awk -v list="${*:2}" '
    BEGIN { n = split(list, hz, " "); pi = atan2(0, -1) }
    {
      v = $1 + 0
      for (k = 1; k <= n; k++) {
        a = 2 * pi * hz[k] * m / 44100
        re[k] += v * cos(a); im[k] += v * sin(a)
      }
      if (m == 0) first = v
      last = v
      if (v > top) top = v
      if (-v > top) top = -v
      m++
    }
    END {
      for (k = 1; k <= n; k++) printf "%.1f ", 2 * sqrt(re[k]^2 + im[k]^2) / m
      printf "%d %d %d %d\n", m, first, last, top
    }'
}
for wav in tone.wav high.wav default.wav; do
  file "$scratch/$wav" | grep -q "RIFF (little-endian) data, WAVE audio, Microsoft PCM, 16 bit, mono 44100 Hz" ||
    export_problems+=("$wav is not a 16-bit mono WAV file at 44,100 Hz: $(file -b "$scratch/$wav")")
done
# 4 / (4 pi) of full scale, the level of the base term 4 sin x, less what the two fades of 10 ms
# take from half a second.
read -r a1 a2 a3 a5 samples first last top < <(spectrum "$scratch/tone.wav" 440 880 1320 2200)
awk -v a1="$a1" -v a2="$a2" -v a3="$a3" -v a5="$a5" -v n="$samples" -v f="$first" -v l="$last" \
  -v top="$top" 'BEGIN { base = 32767 / atan2(0, -1) * 0.98
    exit !(n == 22050 && f == 0 && l == 0 && top < 16384 && a1 > 0.99 * base && a1 < 1.01 * base &&
      a3 > 0.99 * a1 / 3 && a3 < 1.01 * a1 / 3 && a5 > 0.99 * a1 / 5 && a5 < 1.01 * a1 / 5 &&
      a2 < a1 / 1000) }' ||
  export_problems+=("tone.wav is not half a second of 10 square terms at 440 Hz: $a1 $a2 $a3 $a5, $samples samples from $first to $last, largest $top")
read -r h1 h9 h11 samples first last top < <(spectrum "$scratch/high.wav" 2000 18000 22000)
awk -v h1="$h1" -v h9="$h9" -v h11="$h11" -v n="$samples" 'BEGIN {
    exit !(n == 88200 && h9 > 0.99 * h1 / 9 && h9 < 1.01 * h1 / 9 && h11 < h1 / 1000) }' ||
  export_problems+=("high.wav does not stop below 20 kHz: $h1 at 2000 Hz, $h9 at 18000, $h11 at 22000; $samples samples")
read -r d1 samples first last top < <(spectrum "$scratch/default.wav" 220)
[ "$samples" -eq 88200 ] && awk -v d="$d1" 'BEGIN { exit !(d > 10000) }' ||
  export_problems+=("default.wav is not 2 s at 220 Hz: $d1 at 220 Hz, $samples samples")
# The values: a header of the curves as a screen reader hears them, quoted, in the language
# of the desktop, then a line per point from the scale's left edge to its right, each number
# with a full stop in every language, every line ending in CR LF.
expected_values=$'x,"Square series, 1 term, scale 10","Square series, 3 terms, scale 10","Square series, 10 terms, scale 10"\r
-10,2.1760844435574795,3.7033598253111046,3.0650855517709097\r
-5,3.8356970986525538,3.0745280451879498,3.0511564456202485\r
0,0,0,0\r
5,-3.8356970986525538,-3.0745280451879498,-3.0511564456202485\r
10,-2.1760844435574795,-3.7033598253111046,-3.0650855517709097\r'
[ "$(cat "$scratch/values.csv")" = "$expected_values" ] ||
  export_problems+=("values.csv is not as it should be: $(head -c 400 "$scratch/values.csv" | cat -A)")
head -n 1 "$scratch/values-de.csv" | grep -q $'^x,"Rechteckreihe, 1 Glied, Maßstab 10",.*\r$' &&
  sed -n 2p "$scratch/values-de.csv" | grep -q '^-10,2\.1760844435574795,' ||
  export_problems+=("values-de.csv is not in German with full stops: $(head -n 2 "$scratch/values-de.csv")")
[ "$(wc -l <"$scratch/default.csv")" -eq 1002 ] &&
  sed -n 2p "$scratch/default.csv" | grep -q '^-5,' && tail -n 1 "$scratch/default.csv" | grep -q '^5,' ||
  export_problems+=("default.csv does not have 1001 points from -5 to 5: $(wc -l <"$scratch/default.csv") lines")
# An endless count's values are its series' limit: pi where sin x > 0, 0 at the jump.
sed -n 2p "$scratch/endless.csv" | grep -q $'^-10,[^,]*,3\\.1415926535897931\r$' &&
  sed -n 3p "$scratch/endless.csv" | grep -q $'^0,0,0\r$' ||
  export_problems+=("endless.csv is not the ideal wave: $(head -n 3 "$scratch/endless.csv" | cat -A)")
for problem in "${export_problems[@]}"; do
  echo "command_line: $problem" >&2
  failures=$((failures + 1))
done

# Exports that end early: SIGINT and SIGTERM sent a second into a long lesson, or into the
# values of forty sums of a billion terms at every sample; a time limit running out. Each ends
# with its status within the time given (after the signal, or from the start), with at most one
# line on standard error, and leaves the older file at OUT as it was.
# name | lesson | OUT | more options | signal sent after a second, or - | status |
# seconds at least | seconds at most | stderr pattern
timed_cases=(
  "SIGINT|long.fourier|kept.png||INT|130|0|0.5|^$"
  "SIGTERM|long.fourier|kept.png|--size 8|TERM|143|0|0.5|^$"
  "a time limit|long.fourier|kept.png|--time-limit 1|-|1|1|1.5|^fourier-analysis: the picture was not finished within the time limit of 1 s$"
  "SIGINT in the values|many.fourier|kept.csv|--points 400001|INT|130|0|0.5|^$"
  "a time limit on the values|many.fourier|kept.csv|--points 400001 --time-limit 1|-|1|1|1.5|^fourier-analysis: the file was not finished within the time limit of 1 s$"
)
printf 'an older picture' >"$scratch/kept.csv"
{
  printf '{"format": "fourier-analysis-lesson", "version": 1, "steps": [\n'
  for ((i = 0; i < 40; i++)); do
    separator=,
    ((i == 39)) && separator=
    printf '{"command": "square", "terms": "1e9", "scale": "20"}%s\n' "$separator"
  done
  printf ']}\n'
} >"$scratch/many.fourier"
now() { date +%s.%N; }
measured=()
for row in "${timed_cases[@]}"; do
  IFS='|' read -r name lesson target options signal status least most err_pattern <<<"$row"
  # shellcheck disable=SC2206 # the options are split on blanks on purpose
  words=($options)
  got=0
  : >"$scratch/out"
  : >"$scratch/err"
  files_before=$(ls -A "$scratch")
  started=$(now)
  # Job control, so that the export in the background does not start with SIGINT ignored;
  # timeout passes the signal on, and ends an export that would not stop with status 124.
  set -m
  (cd "$scratch" && exec timeout 20 "${no_display[@]}" "$program" --export "$target" "${words[@]}" \
    "$lesson" >"$scratch/out" 2>"$scratch/err") &
  running=$!
  set +m
  if [ "$signal" != - ]; then
    sleep 1
    started=$(now)
    kill -s "$signal" "$running"
  fi
  wait "$running" || got=$?
  took=$(awk -v a="$started" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }')
  measured+=("$name $took s")
  problem=""
  [ "$got" -eq "$status" ] || problem+=" ended with status $got, not $status;"
  awk -v t="$took" -v l="$least" -v m="$most" 'BEGIN { exit !(t >= l && t < m) }' ||
    problem+=" took $took s, not $least to $most s;"
  matches "$scratch/err" "$err_pattern" || problem+=" standard error does not match $err_pattern;"
  [ "$(wc -l <"$scratch/err")" -le 1 ] || problem+=" standard error has more than one line;"
  [ "$(cat "$scratch/$target")" = "an older picture" ] || problem+=" the older file changed;"
  [ "$(ls -A "$scratch")" = "$files_before" ] || problem+=" a file was left beside it;"
  if [ -n "$problem" ]; then
    echo "command_line: export ended early, $name:$problem" >&2
    sed 's/^/  err: /' "$scratch/err" >&2
    failures=$((failures + 1))
  fi
done

# On a terminal, standard error shows how far the export has got on one line, which is
# cleared before the line that says why it ended; off a terminal the time-limit case above
# wrote that line alone.
got=0
timeout 20 script -qec "cd '$scratch' && ${no_display[*]} '$program' --export kept.png \
  --time-limit 1.5 long.fourier" /dev/null >"$scratch/terminal" 2>&1 || got=$?
tr '\r' '\n' <"$scratch/terminal" | grep -v '^QStandardPaths' | sed '/^$/d' >"$scratch/lines"
if [ "$got" -ne 1 ] || ! grep -qE '^step [0-9]+ of 10000, [0-9]+ %$' "$scratch/lines" ||
  ! tail -n 2 "$scratch/lines" | head -n 1 | grep -qE '^ +$' ||
  ! tail -n 1 "$scratch/lines" | grep -q 'not finished within the time limit of 1\.5 s$'; then
  echo "command_line: the progress on a terminal is not as it should be (status $got):" >&2
  od -c "$scratch/terminal" | sed 's/^/  /' | head -n 20 >&2
  failures=$((failures + 1))
fi

# Help and version that cannot be written, to a full disk or to a reader that has gone, end
# with status 1 and one line that says so.
for option in --help --help-all --version; do
  got=0
  "${no_display[@]}" "$program" "$option" >/dev/full 2>"$scratch/err" || got=$?
  if [ "$got" -ne 1 ] || [ "$(wc -l <"$scratch/err")" -ne 1 ] ||
    ! grep -q "^fourier-analysis: write error: No space left on device$" "$scratch/err"; then
    echo "command_line: $option to a full disk ended with $got:" >&2
    sed 's/^/  err: /' "$scratch/err" >&2
    failures=$((failures + 1))
  fi
  # The reader is gone before the program writes.
  {
    sleep 0.3
    got=0
    "${no_display[@]}" "$program" "$option" 2>"$scratch/err" || got=$?
    echo "$got" >"$scratch/status"
  } | true
  if [ "$(cat "$scratch/status")" -ne 1 ] || ! grep -q "write error: Broken pipe$" "$scratch/err"; then
    echo "command_line: $option to a closed pipe ended with $(cat "$scratch/status"):" >&2
    sed 's/^/  err: /' "$scratch/err" >&2
    failures=$((failures + 1))
  fi
done

# Under a file-size limit (ulimit -f) a save must fail with a message, not kill the program: the
# running program ignores SIGXFSZ, unless it was ignored already when the test started.
ignores_file_size_signal() {
  local mask
  mask=$(sed -n 's/^SigIgn:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (((16#$mask >> ($(kill -l XFSZ) - 1)) & 1))
}
if ! ignores_file_size_signal $$; then
  (cd "$scratch" && exec "${offscreen[@]}" "$program" >/dev/null 2>&1) &
  running=$!
  for _ in $(seq 30); do
    ignores_file_size_signal "$running" && break
    sleep 0.1
  done
  if ! ignores_file_size_signal "$running"; then
    echo "command_line: the running program does not ignore SIGXFSZ" >&2
    failures=$((failures + 1))
  fi
  kill "$running" 2>/dev/null || true
  wait "$running" 2>/dev/null || true
fi

# A long lesson draws the same square and triangle sums again and again, a thousand steps: its
# drawing at 8 times is kept as what it shows, not step by step. The least address space (in
# 8 MiB steps) a one-step export at the plot area's size needs starts the program; 8 MiB more
# cannot hold the long lesson at 8 times (its picture's pixels alone take 31 MiB), which ends
# with one line and no file. With 256 MiB to spare it is written, and is small.
{
  printf '{"format": "fourier-analysis-lesson", "version": 1, "steps": [\n'
  for ((i = 0; i < 1000; i++)); do
    command=square separator=,
    ((i % 2)) && command=triangle
    ((i == 999)) && separator=
    printf '{"command": "%s", "terms": "4", "scale": "10"}%s\n' "$command" "$separator"
  done
  printf ']}\n'
} >"$scratch/long.fourier"
least_kib=65536
until (ulimit -v "$least_kib" && cd "$scratch" &&
  "${no_display[@]}" "$program" --export least.svg lesson.fourier) >/dev/null 2>&1; do
  least_kib=$((least_kib + 8192))
  if [ "$least_kib" -gt $((4 << 20)) ]; then
    echo "command_line: a one-step export does not finish in 4 GiB of address space" >&2
    failures=$((failures + 1))
    break
  fi
done
got=0
(cd "$scratch" && ulimit -c 0 && ulimit -v $((least_kib + 8192)) &&
  "${no_display[@]}" "$program" --export long.svg --size 8 long.fourier) 2>"$scratch/err" || got=$?
if [ "$got" -ne 1 ] || [ "$(wc -l <"$scratch/err")" -ne 1 ] || [ -e "$scratch/long.svg" ] ||
  ! grep -qx "fourier-analysis: the picture could not be exported as long\.svg: not enough memory to export this picture" "$scratch/err"; then
  echo "command_line: the long lesson out of memory ended with $got, its file $(ls "$scratch/long.svg" 2>&1):" >&2
  sed 's/^/  err: /' "$scratch/err" >&2
  failures=$((failures + 1))
fi
got=0
(cd "$scratch" && ulimit -v $((least_kib + (256 << 10))) &&
  "${no_display[@]}" "$program" --export long.svg --size 8 long.fourier) 2>"$scratch/err" || got=$?
long_bytes=$(stat -c %s "$scratch/long.svg" 2>/dev/null || echo 0)
if [ "$got" -ne 0 ] || [ "$long_bytes" -eq 0 ] || [ "$long_bytes" -ge $((50 << 20)) ]; then
  echo "command_line: the long lesson with 256 MiB to spare ended with $got, $long_bytes bytes:" >&2
  sed 's/^/  err: /' "$scratch/err" >&2
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || exit 1
echo "command_line: all ${#cases[@]} cases, ${#timed_cases[@]} exports ended early" \
  "($(IFS=,; echo "${measured[*]}" | sed 's/,/, /g')), the terminal's progress, SIGXFSZ and a long lesson out of memory as expected"
