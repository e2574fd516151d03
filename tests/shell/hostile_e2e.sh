#!/usr/bin/env bash
# The real program with one damaged file at a time, driven by real X input on a 1024x768 screen:
# - a paper origin of "4294967297,0" in the layout file: the paper falls back to the layout
#   origin and a brush drag still paints there;
# - stamp files of 0 and 65535 bytes: the stamp tool passes over them and stamps at once;
# - no stamp that can paint: one warning, owned by the main window (which it disables), asked for
#   again while it is up without a second box; the program closing under it takes it along;
# - a frame picture that is not a bitmap: the system's Chinese message, in a face that has its
#   glyphs, owned by the main window;
# - a start picture in RLE8: the blank page under its name, one kind notice, the file untouched.
# - settings naming a picture outside the picture library ("..\\"): it is not read, the blank page.
# - a goodbye picture that is not a bitmap: its message on the exit screen, then the program ends.
# Every run ends with exit code 0.
# Usage: hostile_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE BOX_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"

# program NAME: a copy of the staged program folder in $out/NAME (art shared), used as the asset
# folder too; $prog is its path.
program() {
  prog="$out/$1"
  rm -rf "$prog"
  mkdir -p "$prog/data"
  cp "$stage"/*.exe "$stage"/*.dll "$stage/Colvane.ini" "$stage/advert.sys" "$prog/"
  cp "$stage"/data/* "$prog/data/"
  ln -s "$stage/art" "$prog/art"
  e2e_settings "$prog"
}
# layout_set SECTION KEY VALUE: changes one value of the copy's layout file.
layout_set() {
  python3 - "$prog/Colvane.ini" "$1" "$2" "$3" <<'PY'
import sys
path, section, key, value = sys.argv[1:]
lines, inside = open(path, newline='').read().split('\r\n'), False
for i, line in enumerate(lines):
    if line.startswith('['): inside = line == '[%s]' % section
    elif inside and line.startswith(key + '='): lines[i] = key + '=' + value
open(path, 'w', newline='').write('\r\n'.join(lines))
PY
}
# boxes: the program's message boxes, one line each (caption|text|owner class|owner enabled|
# face|glyphs missing); probe_ok presses OK on the first.
boxes() { "$WINE64" "$probe" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }
probe_ok() { "$WINE64" "$probe" ok </dev/null >/dev/null 2>&1 9>&-; }
wait_box() {  # wait_box PATTERN: up to 10 s for a box whose line matches
  local pattern=$1
  e2e_wait_until 10 eval 'boxes | grep -q -- "$pattern"'
}
# start: the copy's colvane.exe; waits for its window (or for a box shown while it starts).
start() {
  "$WINE64" "$prog/colvane.exe" </dev/null >"$prog.log" 2>&1 9>&- &
  pid=$!
  e2e_pids+=("$pid")
  e2e_wait_until 15 eval '[ -n "$(e2e_window)" ] || [ -n "$(boxes)" ]'
  e2e_settle
}
# finish NAME: waits up to WAIT seconds (default 15) for the program to end with code 0.
finish() {
  e2e_wait_end "$pid" "${2:-15}"
  if running "$pid"; then
    fail "$1: the program did not end"; kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  else
    wait "$pid"; local code=$?
    [ $code = 0 ] || fail "$1: exit code $code"
  fi
  [ -z "$(xdotool search --name '^(WARNING|Colvane)$' 2>/dev/null)" ] || fail "$1: a message box outlived the program"
}
# leave NAME: the exit button, then a press on the exit screen once it has darkened the paper.
leave() {
  local paper before
  paper=${paper_w}x${paper_h}+$px+$py
  before=$(e2e_grab "$paper" | md5sum)
  press CARTOON EXITCORD8
  e2e_wait_until 10 eval '[ "$(e2e_grab "$paper" | md5sum)" != "$before" ]'
  xdotool click 1
  finish "$1"
}

# 1. A paper origin past the 32-bit range: the paper sits at the layout origin and the brush the
#    program starts with paints where the child drags.
program paperorg
layout_set 800 PAPERORG 4294967297,0
start
shot paperorg-start
at 150 200; xdotool mousedown 1
for x in $(seq 160 10 350); do at $x 200; sleep 0.02; done  # one mouse message per move
xdotool mouseup 1
e2e_settle
shot paperorg-stroke
screen_check paperorg-start "white(ox + 320, oy + 240)" "white(ox + 8, oy + 300)"
screen_check paperorg-stroke "count(dark, [(ox + x, oy + 200) for x in range(170, 340, 10)]) >= 15"
leave paperorg

# 2. Stamp files of 0 and 65535 bytes: choosing the stamp tool passes over them, says nothing,
#    and the first click stamps.
program emptystamps
: > "$prog/data/pat1.dat"
head -c 65535 /dev/zero > "$prog/data/pat2.dat"
start
send 2006
sleep 0.5  # a warning that does not come shows nothing to wait for; one would be up within this
[ -z "$(boxes)" ] || fail "the stamp tool warned although stamp files can paint: $(boxes)"
click 320 240
e2e_wait_pixels emptystamps "count(lambda x, y: not white(x, y), [(320 + dx, 240 + dy) for dx in range(-60, 60, 4) for dy in range(-60, 60, 4)]) > 100"
leave emptystamps

# 3. No stamp that can paint: one warning, owned by the main window and modal to it; paging while
#    it is up shows no second box and leaves none queued; then the program closing while the box
#    is up takes it along and still ends with 0.
program nostamp
for f in "$prog"/data/pat*.dat; do : > "$f"; done
rm "$prog/advert.sys"  # no goodbye picture: the exit screen closes at its first step
start
send post:2006
wait_box '^WARNING|Data Error. Call engineer!|' || fail "no warning without stamps"
send post:43001 post:43001 post:43002
sleep 1.5  # a second box that does not come shows nothing to wait for
seen=$(boxes)
echo "boxes while paging: $seen"
[ "$(printf '%s\n' "$seen" | grep -c .)" = 1 ] || fail "stacked message boxes: $seen"
printf '%s\n' "$seen" | grep -q '^WARNING|Data Error. Call engineer!|MAIN4WClass|0|' ||
  fail "the warning is not owned by the disabled main window: $seen"
probe_ok
sleep 1.5  # the same: no box follows
[ -z "$(boxes)" ] || fail "another box followed the first: $(boxes)"
send post:43001
wait_box '^WARNING|' || fail "no warning on paging without stamps"
send post:4002
finish nostamp 20

# 4. A frame picture that is not a bitmap: the message "非[QVF]檔案：<path>" while the program
#    starts, owned by its main window, in a face with a glyph for every character.
program notbitmap
printf 'this is not a picture\r\n' > "$prog/garbage.bmp"
layout_set 800 DRAW garbage.bmp
start
wait_box 'garbage.bmp' || fail "no message for the file that is not a bitmap"
seen=$(boxes)
echo "box: $seen"
printf '%s\n' "$seen" | grep -q '^[^|]*|非\[QVF\]檔案：.*garbage.bmp|MAIN4WClass|0|[^|]*|0$' ||
  fail "the Chinese message is not owned, or its face lacks glyphs: $seen"
probe_ok
sleep 2  # no box is left, and none comes
[ -z "$(boxes)" ] || fail "a box is left after the message: $(boxes)"
leave notbitmap

# 5. A start picture in RLE8: the blank page under its name, one kind notice after the screen is
#    up, and after leaving without painting the file and the settings are as they were.
program badstart
mkdir -p "$prog/CUST/BOX1"
python3 - "$prog/CUST/BOX1/Broken.sam" <<'PY'
import struct, sys
w, h = 8, 4
rows = b''.join(bytes([w, 1, 0, 0]) for _ in range(h)) + bytes([0, 1])  # runs of colour 1, end
table = bytes([0, 0, 0, 0, 0, 0, 255, 0]) + bytes(4 * 254)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, 1, len(rows), 2835, 2835, 256, 0)  # BI_RLE8
offset = 14 + len(info) + len(table)
open(sys.argv[1], 'wb').write(b'BM' + struct.pack('<IHHI', offset + len(rows), 0, 0, offset) + info + table + rows)
PY
before=$(md5sum < "$prog/CUST/BOX1/Broken.sam")
e2e_settings "$prog" BOX1 Broken.sam
start
wait_box '^Colvane|' || fail "no notice about the start picture"
seen=$(boxes)
echo "notice: $seen"
printf '%s\n' "$seen" | grep -q '^Colvane|Colvane could not read the picture "Broken.sam".*|MAIN4WClass|0|' ||
  fail "the notice is not the kind one, owned by the main window: $seen"
probe_ok
sleep 2  # the notice does not come again
[ -z "$(boxes)" ] || fail "the notice came more than once: $(boxes)"
shot badstart
check badstart "count(white, [(x, y) for x in range(0, 640, 37) for y in range(0, 480, 29)]) >= 250"
leave badstart
[ "$(md5sum < "$prog/CUST/BOX1/Broken.sam")" = "$before" ] || fail "the unreadable start picture was changed"
grep -q '^sample=Broken.sam' "$settings" || fail "the start picture's name was not kept"

# 5b. Settings whose box climbs out of the picture library: the picture there is never read.
program outside
mkdir -p "$prog/CUST/BOX1"
convert -size 640x480 xc:'rgb(255,0,0)' -type TrueColor "BMP3:$prog/outside.sam"
before=$(md5sum < "$prog/outside.sam")
e2e_settings "$prog" .. outside.sam
start
shot outside
check outside "count(white, [(x, y) for x in range(0, 640, 37) for y in range(0, 480, 29)]) >= 250"
leave outside
[ "$(md5sum < "$prog/outside.sam")" = "$before" ] || fail "the picture outside the library was changed"

# 6. A goodbye picture that is not a bitmap: the exit screen shows its message (owned by the
#    main window) and, once it is closed, ends the program at once.
program badgoodbye
head -c 5000 /dev/urandom | tr -d 'B' > "$prog/advert.sys"
start
press CARTOON EXITCORD8
wait_box 'advert.sys|MAIN4WClass|0|' || fail "no owned message for the goodbye picture: $(boxes)"
probe_ok
finish badgoodbye

e2e_end "hostile files checked: screenshots in $out"
