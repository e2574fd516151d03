#!/usr/bin/env bash
# The file box of the real program, driven by real X input on a 1024x768 screen, on a copy of
# the staged content: opening it keeps the painted picture; pictures and boxes come in natural
# order (Sample9 before Sample10); a press picks a thumbnail and a double-click opens it; a
# thumbnail dropped beside the bin goes back, dropped on the bin it is thrown away, but never one
# of the SAMPLE box; the picture on the paper thrown away leaves a blank page and never comes
# back; export's dialog opens in the Pictures folder; the Delete key throws the picked one away,
# and the box's bin keeps every thrown-away picture whole, opens like a box and gives one back;
# a new box is made with Enter, forgotten with Escape, and an existing name gets "Folder is here!";
# the program ends cleanly when left from inside the box.
# Usage: file_box_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
files_in() { find "$1" -maxdepth 1 -type f -printf '%f\n'; }  # a box's pictures, not its bin
e2e_fresh_stage
mkdir -p "$lib/MY PICTURES"
cp "$lib/SAMPLE/Sample2.sam" "$lib/MY PICTURES/Extra.sam"
convert -size 640x480 xc:red -type TrueColor "BMP3:$lib/MY PICTURES/Sample9.sam"
convert -size 640x480 xc:blue -type TrueColor "BMP3:$lib/MY PICTURES/Sample10.sam"
e2e_start_staged
press_at() { at "$1" "$2"; xdotool click 1; e2e_settle; }  # a layout point
# A card's centre: cell k of the box cards (BOXRC from 20, 20) or of the thumbnails (from 20, 168).
card() { echo $((28 + $1 * 156 + 74)) $((28 + 58)); }
thumb() { echo $((28 + $1 * 156 + 74)) $((176 + 58)); }
# drag_to X0 Y0 X1 Y1: a thumbnail carried in small steps and let go.
drag_to() {
  at "$1" "$2"; xdotool mousedown 1
  for s in 1 2 3 4 5 6 7 8; do
    at $(($1 + ($3 - $1) * s / 8)) $(($2 + ($4 - $2) * s / 8))
  done
  xdotool mouseup 1; e2e_settle
}
wid=$(xdotool search --name '^Colvane Application$' | head -1)
key() { focus_key "$1" "$wid"; e2e_settle; }
gone() { [ ! -e "$1" ]; }

# A stroke on the paper, then the file box: the picture is kept in the first box.
drag 100 100 300 200 400 120
e2e_settle desk; shot painted
check painted "dark(300, 200)"
press_at 736 362
shot open
[ -f "$lib/MY PICTURES/Sample1.sam" ] || fail "opening the file box did not keep the painted picture"
grep -q 'WORKINDIR=MY PICTURES' "$settings" || fail "the working box is not in the settings"
# Extra, Sample1 (just kept), Sample9 (red), Sample10 (blue): numbers by value.
read -r x9 y9 <<<"$(thumb 2)"; read -r x10 y10 <<<"$(thumb 3)"
screen_check open "p(ox + $x9, oy + $y9) == (255, 0, 0)" "p(ox + $x10, oy + $y10) == (0, 0, 255)"

# Dropped anywhere but on the bin, a thumbnail goes back to its place.
drag_to $(thumb 0) 400 450
shot dropped
[ "$(crop_md5 open 148x116+140+260)" = "$(crop_md5 dropped 148x116+140+260)" ] || fail "a dropped thumbnail did not go back"
[ -f "$lib/MY PICTURES/Extra.sam" ] || fail "a drop beside the bin deleted a picture"

# Dropped on the bin, it is thrown away (Sample1, the second cell, the picture on the paper).
drag_to $(thumb 1) 736 528
e2e_wait_until 5 gone "$lib/MY PICTURES/Sample1.sam" || fail "the bin did not throw the picture away"
[ -f "$lib/MY PICTURES/Extra.sam" ] || fail "the bin threw away the wrong picture"
# The paper now holds a blank new picture: the stroke is gone from it, and a stroke painted next
# is kept without the old one, which never comes back.
press CARTOON FILEPAGECORD8; e2e_settle desk
shot thrown-away
check thrown-away "white(300, 200)" "white(200, 150)"
drag 100 300 300 300
press_at 736 362
kept=$(files_in "$lib/MY PICTURES" | grep -v -e Extra -e Sample9 -e Sample10)
echo "kept after the throw: $kept"
[ "$(echo "$kept" | wc -w)" = 1 ] || fail "the new painting was not kept as one picture"
[ -n "$kept" ] && [ "$(convert "bmp:$lib/MY PICTURES/$kept" -format '%[fx:int(255*p{300,200}.r)]' info:)" = 255 ] ||
  fail "the thrown-away picture came back with the next save"
drag_to $(thumb 1) 736 528  # the new one goes too, so the cells below are as they were
e2e_wait_until 5 eval '[ -z "$(files_in "$lib/MY PICTURES" | grep -v -e Extra -e Sample9 -e Sample10)" ]' ||
  fail "the new picture was not thrown away"

# Export's save dialog opens in the user's Pictures folder: a name typed there lands in it.
press_at $(thumb 0)
press CARTOON SAVECORD8
e2e_wait_until 10 eval 'dialog=$(shown Export); [ -n "$dialog" ]' || fail "export showed no dialog"
if [ -n "$dialog" ]; then
  e2e_settle; shot export-dialog
  pictures=$(readlink -f "$WINEPREFIX/drive_c/users/$(id -un)/Pictures")
  name="colvane-export-$$"
  xdotool windowfocus --sync "$dialog" 2>/dev/null; xdotool type --delay 40 "$name"; xdotool key Return
  e2e_wait_until 10 eval 'ls "$pictures/$name"* >/dev/null 2>&1' || fail "the export did not land in the Pictures folder"
  cmp -s "$lib/MY PICTURES/Extra.sam" "$(ls "$pictures/$name"* 2>/dev/null | head -1)" || fail "the exported file is not the picture"
  rm -f "$pictures/$name"*
  e2e_settle
fi

# The Delete key throws away the picked picture, into the box's bin, whole.
extra=$(md5sum < "$lib/MY PICTURES/Extra.sam")
press_at $(thumb 0)
key Delete
e2e_wait_until 5 gone "$lib/MY PICTURES/Extra.sam" || fail "Delete did not throw the picked picture away"
binned=$(find "$lib/MY PICTURES/Bin" -name '* Extra.sam' 2>/dev/null | head -1)
[ -n "$binned" ] && [ "$(md5sum < "$binned")" = "$extra" ] || fail "the bin does not keep the thrown-away picture"
[ "$(find "$lib/MY PICTURES/Bin" -name '*.sam' | wc -l)" = 3 ] || fail "the bin does not keep all three thrown-away pictures"
# The bin opens like a box, the newest first; carried out of it, a picture is back, the same bytes.
press_at 736 528
shot bin-open
drag_to $(thumb 0) 400 450
e2e_wait_until 5 test -f "$lib/MY PICTURES/Extra.sam" || fail "the picture carried out of the bin is not back"
[ -f "$lib/MY PICTURES/Extra.sam" ] && [ "$(md5sum < "$lib/MY PICTURES/Extra.sam")" = "$extra" ] ||
  fail "the picture given back is not the one thrown away"
[ "$(find "$lib/MY PICTURES/Bin" -name '*.sam' | wc -l)" = 2 ] || fail "the picture given back is still in the bin"
press_at 736 528
shot bin-closed

# The SAMPLE box keeps its pictures, by bin and by Delete.
press_at $(card 1)
shot sample
drag_to $(thumb 0) 736 528
press_at $(thumb 1)
key Delete
for n in 1 2 3; do [ -f "$lib/SAMPLE/Sample$n.sam" ] || fail "SAMPLE lost Sample$n.sam"; done

# New boxes: Enter makes one, an existing name is refused, Escape forgets the typing.
press_at 736 44
xdotool type --delay 60 "Dragons"; xdotool key Return
e2e_wait_until 5 test -d "$lib/Dragons" || fail "Enter did not make the new box"
e2e_settle
shot newbox
press_at 736 44
xdotool type --delay 60 "SAMPLE"; xdotool key Return
e2e_wait_until 5 eval 'warning=$(xdotool search --name "^Warning\$" 2>/dev/null | head -1); [ -n "$warning" ]' ||
  fail "an existing box name was not refused"
[ -n "$warning" ] && { focus_key Return "$warning"; e2e_wait_until 5 eval '! xdotool search --name "^Warning\$" >/dev/null 2>&1'; e2e_settle; }
press_at 736 44
xdotool type --delay 60 "Ghost"; xdotool key Escape; e2e_settle
[ -d "$lib/Ghost" ] && fail "Escape made a box"

# A double-click on a SAMPLE picture opens it on the paper and closes the box (DRAGONS comes
# first now, the boxes being in natural order).
press_at $(card 2)
at $(thumb 0); xdotool click --repeat 2 --delay 80 1
e2e_wait_until 10 eval 'grep -q "WORKINDIR=SAMPLE" "$settings" && grep -q "sample=Sample1.sam" "$settings"' ||
  fail "the opened picture is not the current one"
e2e_settle
shot opened
# the house picture's sky fills the paper's corner
sky=$(convert "$out/opened.png" -format "%[fx:int(255*p{$((px + 10)),$((py + 10))}.r)]" info:)
[ "$sky" = 191 ] || fail "the paper does not show the opened picture (red $sky)"

# Leaving from inside the file box: the goodbye, then the program ends by itself, cleanly.
press_at 736 362
press CARTOON EXITCORD8
e2e_wait_end "$e2e_pid" 15 || fail "the program did not end after the exit from the file box"
running "$e2e_pid" || { wait "$e2e_pid"; code=$?; [ $code = 0 ] || fail "leaving from the file box ended with code $code"; }
e2e_end "file box end to end: passed"
