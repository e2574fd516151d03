#!/usr/bin/env bash
# The file box of the real program, driven by real X input on a 1024x768 screen, on a copy of
# the staged content: opening it keeps the painted picture; a press picks a thumbnail and a
# double-click opens it; a thumbnail dropped beside the bin goes back, dropped on the bin it is
# thrown away, but never one of the SAMPLE box; the Delete key throws the picked one away; a new
# box is made with Enter, forgotten with Escape, and an existing name gets "Folder is here!".
# Usage: file_box_e2e.sh STAGE_DIR OUT_DIR
set -u
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
e2e_fresh_stage "$1" "$out"
mkdir -p "$lib/MY PICTURES"
cp "$lib/SAMPLE/Sample2.sam" "$lib/MY PICTURES/Extra.sam"
e2e_start_staged "$stage" "$out"
e2e_paper_origin "$stage/Colvane.ini"
status=0
settings="$WINEPREFIX/drive_c/windows/system32/Colvane.ini"
# Layout points of the 800 layout, centred at 112, 84.
at() { xdotool mousemove $((112 + $1)) $((84 + $2)); sleep 0.15; }
press_at() { at "$1" "$2"; xdotool click 1; sleep 0.6; }
# A card's centre: cell k of the box cards (BOXRC from 20, 20) or of the thumbnails (from 20, 168).
card() { echo $((28 + $1 * 156 + 74)) $((28 + 58)); }
thumb() { echo $((28 + $1 * 156 + 74)) $((176 + 58)); }
# drag_to X0 Y0 X1 Y1: a thumbnail carried in small steps and let go.
drag_to() {
  at "$1" "$2"; xdotool mousedown 1; sleep 0.2
  for s in 1 2 3 4 5 6 7 8; do
    at $(($1 + ($3 - $1) * s / 8)) $(($2 + ($4 - $2) * s / 8))
  done
  xdotool mouseup 1; sleep 0.8
}
crop() { convert "$out/$1.png" -crop "$2" +repage rgb:- | md5sum; }
wid=$(xdotool search --name '^Colvane Application$' | head -1)
key() { xdotool windowfocus --sync "$wid" 2>/dev/null; xdotool key "$1"; sleep 0.6; }

# A stroke on the paper, then the file box: the picture is kept in the first box.
drag 100 100 300 200 400 120
press_at 736 362
shot open
[ -f "$lib/MY PICTURES/Sample1.sam" ] || fail "opening the file box did not keep the painted picture"
grep -q 'WORKINDIR=MY PICTURES' "$settings" || fail "the working box is not in the settings"

# Dropped anywhere but on the bin, a thumbnail goes back to its place.
drag_to $(thumb 0) 400 450
shot dropped
[ "$(crop open 148x116+140+260)" = "$(crop dropped 148x116+140+260)" ] || fail "a dropped thumbnail did not go back"
[ -f "$lib/MY PICTURES/Extra.sam" ] || fail "a drop beside the bin deleted a picture"

# Dropped on the bin, it is thrown away (Sample1, the second cell).
drag_to $(thumb 1) 736 528
[ -f "$lib/MY PICTURES/Sample1.sam" ] && fail "the bin did not throw the picture away"
[ -f "$lib/MY PICTURES/Extra.sam" ] || fail "the bin threw away the wrong picture"

# The Delete key throws away the picked picture.
press_at $(thumb 0)
key Delete
[ -f "$lib/MY PICTURES/Extra.sam" ] && fail "Delete did not throw the picked picture away"

# The SAMPLE box keeps its pictures, by bin and by Delete.
press_at $(card 1)
shot sample
drag_to $(thumb 0) 736 528
press_at $(thumb 1)
key Delete
for n in 1 2 3; do [ -f "$lib/SAMPLE/Sample$n.sam" ] || fail "SAMPLE lost Sample$n.sam"; done

# New boxes: Enter makes one, an existing name is refused, Escape forgets the typing.
press_at 736 44
xdotool type --delay 60 "Dragons"; xdotool key Return; sleep 0.8
[ -d "$lib/Dragons" ] || fail "Enter did not make the new box"
shot newbox
press_at 736 44
xdotool type --delay 60 "SAMPLE"; xdotool key Return; sleep 1
warning=$(xdotool search --name '^Warning$' 2>/dev/null | head -1)
[ -n "$warning" ] || fail "an existing box name was not refused"
[ -n "$warning" ] && { xdotool windowfocus --sync "$warning" 2>/dev/null; xdotool key Return; sleep 0.6; }
press_at 736 44
xdotool type --delay 60 "Ghost"; xdotool key Escape; sleep 0.6
[ -d "$lib/Ghost" ] && fail "Escape made a box"

# A double-click on a SAMPLE picture opens it on the paper and closes the box.
press_at $(card 1)
at $(thumb 0); xdotool click --repeat 2 --delay 80 1; sleep 1.5
shot opened
grep -q 'WORKINDIR=SAMPLE' "$settings" && grep -q 'sample=Sample1.sam' "$settings" ||
  fail "the opened picture is not the current one"
# the house picture's sky fills the paper's corner
sky=$(convert "$out/opened.png" -format "%[fx:int(255*p{$((px + 10)),$((py + 10))}.r)]" info:)
[ "$sky" = 191 ] || fail "the paper does not show the opened picture (red $sky)"
exit $status
