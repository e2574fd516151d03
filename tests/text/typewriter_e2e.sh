#!/usr/bin/env bash
# The typewriter on the real program, driven by real X input: the toolbox's second page, the
# typewriter, one click on a face of its face list, a click on the paper, two typed lines; Backspace takes them away again; then a line
# of 300 characters; last, opening the file box ends the text: keys typed while it is open do
# not reach the paper, and the text typed before stays.
# Usage: typewriter_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_start_staged
dark() { dark_pixels "$1" 90 "${2:-90}" 310 110; }  # dark NAME [Y]: in the text's area from row Y (90)

IFS=, read -r gx gy <<<"$(cartoon TOOL1228MORG)"
at $((gx + 10)) $((gy + 10)); xdotool mousedown 1; e2e_settle; xdotool mouseup 1; e2e_settle
press CARTOON TYPERA8; e2e_settle

# The face list: a click on the face name opens it, one click on a face takes that face and
# closes it. The list stands at the field's left less 50, 15 pixels from the top, 400 high.
IFS=, read -r fl ft fr fb <<<"$(detail TYPE_FONT_CORD8)"
list="$((fr - fl + 50))x400+$((ox + fl - 50))+15"
field=$(geom "$fl" "$ft" $((fr - fl)) $((fb - ft)))
move 500 400; e2e_settle; shot faces-closed
press DETAILTOOL TYPE_FONT_CORD8
shot_until faces-open '! same faces-closed faces-open "$list"'
xdotool mousemove $((ox + fl)) 37 click 1  # the second face, whatever the list's row height
move 500 400
shot_until face-picked 'same faces-closed face-picked "$list"' || fail "one click on a face did not close the list"
same faces-closed face-picked "$field" && fail "one click on a face did not take it"

click 100 100
shot before-typing
xdotool type --delay 60 "Hello"; xdotool key Return; xdotool type --delay 60 "Colvane!"
move 500 400  # the pointer stays clear of the text
shot_until typed '[ "$(dark typed)" -gt 400 ]'
typed=$(dark typed)
echo "dark pixels of the text: $typed"
[ "$typed" -gt 400 ] || fail "the typed text does not show"
xdotool key --delay 50 $(printf 'BackSpace %.0s' $(seq 1 14))
shot_until erased '[ "$(dark erased)" -lt 60 ]'
erased=$(dark erased)
# What may remain is the blinking caret, one pixel wide.
[ "$erased" -lt 60 ] || fail "Backspace leaves $erased dark pixels of the text"

# 300 characters in a row: the line runs off the paper and the text stops at its 255 bytes.
xdotool type --delay 4 "$(printf 'abcdefghij%.0s' $(seq 1 30))"
shot_until long-line '[ "$(dark long-line)" -gt 400 ]'
xdotool search --name '^Colvane Application$' >/dev/null 2>&1 || fail "the program is gone after 300 characters"
[ "$(dark long-line)" -gt 400 ] || fail "the long line does not show"

# The file box ends the text: keys typed while it is open leave the paper as it was.
click 100 300
xdotool type --delay 60 "Hi"
move 500 400
shot_until box-before '[ "$(dark box-before 290)" -gt 100 ]'
paper() { crop_md5 "$1" 200x100+$((px + 300))+$((py + 40)); }  # a blank part of the paper
press CARTOON FILEPAGECORD8
shot_until box-open '[ "$(paper box-open)" != "$(paper box-before)" ]'
xdotool type --delay 60 "WWWW"
press CARTOON FILEPAGECORD8
move 500 400
shot_until box-closed '[ "$(paper box-closed)" = "$(paper box-before)" ]'
e2e_settle 200x100+$((px + 300))+$((py + 40))
shot box-closed
before=$(dark box-before 290) after=$(dark box-closed 290)
echo "dark pixels of the text before the file box: $before, after: $after"
[ "$after" -le $((before + 60)) ] || fail "keys typed while the file box was open reached the paper"
[ "$after" -ge $((before - 60)) ] || fail "the text typed before the file box opened is gone"

e2e_end "typewriter end to end: passed"
