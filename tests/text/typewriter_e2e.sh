#!/usr/bin/env bash
# The typewriter on the real program, driven by real X input: the toolbox's second page, the
# typewriter, a click on the paper, two typed lines; Backspace takes them away again; then a line
# of 300 characters.
# Usage: typewriter_e2e.sh STAGE_DIR OUT_DIR
set -u
stage=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
e2e_start_staged "$stage" "$out"
e2e_paper_origin "$stage/Colvane.ini"
status=0
ini="$stage/Colvane.ini"
cartoon() { e2e_value "$ini" CARTOON "$1"; }
at() { xdotool mousemove $((112 + $1)) $((84 + $2)); sleep 0.2; }
# dark NAME: pixels darker than 128 in the text's area (canvas 90..400 x 90..200).
dark() {
  convert "$out/$1.png" -crop 310x110+$((px + 90))+$((py + 90)) +repage -colorspace Gray \
    -threshold 50% -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

IFS=, read -r ox oy <<<"$(cartoon TOOL1228MORG)"
at $((ox + 10)) $((oy + 10)); xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; sleep 1.5
IFS=, read -r l t r b <<<"$(cartoon TYPERA8)"
at $(((l + r) / 2)) $(((t + b) / 2)); xdotool click 1; sleep 1.5
move 100 100; xdotool click 1; sleep 0.5
shot before-typing
xdotool type --delay 60 "Hello"; xdotool key Return; xdotool type --delay 60 "Colvane!"
sleep 0.5
move 500 400; sleep 0.5  # the caret blinks on; the pointer stays clear of the text
shot typed
typed=$(dark typed)
echo "dark pixels of the text: $typed"
[ "$typed" -gt 400 ] || fail "the typed text does not show"
for _ in $(seq 1 14); do xdotool key BackSpace; sleep 0.05; done
sleep 0.6
shot erased
erased=$(dark erased)
# What may remain is the blinking caret, one pixel wide.
[ "$erased" -lt 60 ] || fail "Backspace leaves $erased dark pixels of the text"

# 300 characters in a row: the line runs off the paper and the text stops at its 255 bytes.
xdotool type --delay 4 "$(printf 'abcdefghij%.0s' $(seq 1 30))"
sleep 1
xdotool search --name '^Colvane Application$' >/dev/null 2>&1 || fail "the program is gone after 300 characters"
shot long-line
[ "$(dark long-line)" -gt 400 ] || fail "the long line does not show"

kill $e2e_pid 2>/dev/null
[ $status = 0 ] && echo "typewriter end to end: passed"
exit $status
