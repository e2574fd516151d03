#!/usr/bin/env bash
# Pictures the file box can't show, on the real program: an empty file, a text file and a huge
# 1-bit picture in a box show the broken-picture card beside a good thumbnail, with no message
# box, also after a thumbnail is dragged and dropped back.
# Usage: broken_pictures_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
box="$lib/MY PICTURES"
mkdir -p "$box"
: > "$box/Sample1.sam"
echo "not a picture" > "$box/Sample2.sam"
cp "$lib/SAMPLE/Sample2.sam" "$box/Sample3.sam"
# 16384 x 16384 at 1 bit: the headers and a two-colour table, the rest sparse (33.5 MB).
python3 -c '
import struct, sys
head = b"BM" + struct.pack("<IIII", 33554494, 0, 62, 40) + struct.pack("<iiHHIIiiII", 16384, 16384, 1, 1, 0, 0, 0, 0, 2, 0)
sys.stdout.buffer.write(head + b"\0\0\0\0\xff\xff\xff\0")' > "$box/Sample4.sam"
truncate -s 33554494 "$box/Sample4.sam"
e2e_start_staged
# The corner of the thumbnail in cell k (thumbnails from 20, 168; cells 148 wide, 8 apart), on the screen.
corner() { echo $((ox + 28 + $1 * 156 + 4)) $((oy + 176 + 4)); }
cards() {
  local n=0 k
  for k in 0 1 2 3; do [ "$(pixel "$1" $(corner $k))" = "244,240,230" ] && n=$((n + 1)); done
  echo $n
}
no_box() { [ -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null)" ]; }

at 736 362; xdotool click 1; e2e_settle
shot open
echo "broken-picture cards: $(cards open)"
[ "$(cards open)" = 3 ] || fail "the three unreadable pictures do not show the broken-picture card"
no_box || fail "a message box came up while the thumbnails were drawn"

at $((28 + 74)) $((176 + 58)); xdotool mousedown 1
for s in 1 2 3 4; do at $((102 + 40 * s)) $((234 + 40 * s)); done
xdotool mouseup 1; e2e_settle
shot dropped
[ "$(cards dropped)" = 3 ] || fail "the cards changed after a drag"
no_box || fail "a message box came up after a drag"
e2e_end "broken pictures end to end: passed"
