#!/usr/bin/env bash
# The clip-art library on the real program, driven by real X input on a 1024x768 screen, on a copy
# of the staged content: the page turn shows the library; a sticker dragged from its page onto the
# paper is dropped there; two cartoons dragged onto the paper play their frames; the soft eraser
# rubs one out; opening the file box keeps the picture with a cartoon file naming the one left;
# started again, the program plays it at its place; a colouring page from the library keeps the
# painted picture first and becomes a new picture; the SAMPLE box's walking cartoons walk.
# Usage: library_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
e2e_start_staged

# tap SECTION KEY: a click in the middle of a layout rectangle, once all but the paper is still.
tap() { press "$1" "$2"; e2e_settle desk; }
# carry X Y CX CY: press on a screen point, carry it in steps to canvas point CX, CY, let go.
carry() {
  xdotool mousemove "$1" "$2" mousedown 1
  local tx=$((px + $3)) ty=$((py + $4))
  for s in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(($1 + (tx - $1) * s / 10)) $(($2 + (ty - $2) * s / 10)); sleep 0.05  # a hand's pace
  done
  xdotool mouseup 1; e2e_settle desk
}
# region NAME CX CY: md5 of the 60 x 60 screen square centred on canvas point CX, CY.
region() { crop_md5 "$1" "60x60+$((px + $2 - 30))+$((py + $3 - 30))"; }
# plays NAME CX CY: four screenshots NAME-1..4 a little apart; true when the square around the
# canvas point is not the same in all of them (two frames of a strip may look alike). The pause
# between them is what lets frames pass.
plays() {
  local k seen=""
  for k in 1 2 3 4; do shot "$1-$k"; seen="$seen $(region "$1-$k" "$2" "$3" | cut -c1-32)"; sleep 0.07; done
  [ "$(echo $seen | tr ' ' '\n' | sort -u | wc -l)" -gt 1 ]
}
# still NAME CX CY: the square is the same in all four screenshots plays took.
still() {
  local k seen=""
  for k in 1 2 3 4; do seen="$seen $(region "$1-$k" "$2" "$3" | cut -c1-32)"; done
  [ "$(echo $seen | tr ' ' '\n' | sort -u | wc -l)" -eq 1 ]
}
# white NAME CX CY: the square is plain white paper.
white() { [ "$(convert "$out/$1.png" -crop "60x60+$((px + $2 - 30))+$((py + $3 - 30))" +repage -format '%[fx:minima.r*minima.g*minima.b]' info:)" = 1 ]; }
# restart LOG: the whole session ends and the program starts again on the picture its settings name.
restart() {
  e2e_kill_session
  rm -f "$stage/RECOVER.DAT"
  e2e_start "$stage/colvane.exe" "$out/$1.log"
}

shot before
# The page turn: the library's shelf replaces the toolbox.
tap CARTOON T2LUCORD8
shot library
IFS=, read -r tl tt <<<"$(layout TOOLCORD)"
[ "$(crop_md5 before "120x300+$((ox + tl))+$((oy + tt))")" != "$(crop_md5 library "120x300+$((ox + tl))+$((oy + tt))")" ] ||
  fail "the page turn did not show the library"

# A sticker from the people's page, carried onto the paper.
tap CARTOON PERSONA8
shot people
carry $(centre DETAILTOOL GRLIB81) 200 200
shot_until sticker '! white sticker 200 200'
white before 200 200 || fail "the paper was not white before the sticker"
white sticker 200 200 && fail "the sticker was not dropped on the paper"

# Two cartoons carried onto the paper; each plays its frames.
tap CARTOON FILMA8
carry $(centre DETAILTOOL JLIB81) 420 300
carry $(centre DETAILTOOL JLIB82) 150 330
plays cartoons 420 300 || fail "the first cartoon does not play"
plays cartoons2 150 330 || fail "the second cartoon does not play"

# Back to the tools; the soft eraser rubs the first cartoon out.
tap CARTOON L2TUCORD8
send 1008
send 21002
drag 400 300 405 300 410 300 415 300 420 300 425 300 430 300 435 300 440 300
e2e_settle desk
plays erased 150 330 || fail "the other cartoon stopped"
still erased 420 300 || fail "the rubbed-out cartoon still plays"

# The file box keeps the picture and a cartoon file naming the cartoon left, where it stands.
tap CARTOON FILEPAGECORD8
cat="$lib/MY PICTURES/Sample1.CAT"
[ -f "$lib/MY PICTURES/Sample1.sam" ] || fail "the picture was not kept"
if [ -f "$cat" ]; then
  python3 - "$cat" <<'PY' || fail "the cartoon file does not hold the cartoon left"
import struct, sys
b = open(sys.argv[1], 'rb').read()
mark, n = struct.unpack_from('<HH', b)
assert mark == 0x0D0D and n == 1, (mark, n)
g, c, p, s, off = struct.unpack_from('<iiIII', b, 4)
assert (g, c, p) == (1, 2, 1), (g, c, p)
assert struct.unpack_from('<ii', b, off) == (150, 330)
PY
else
  fail "no cartoon file beside the picture"
fi

# Started again, the cartoon plays where it was left.
restart colvane-again  # the settings name the picture kept
plays again 150 330 || fail "the cartoon did not come back with the picture"
white again-1 420 300 || fail "the rubbed-out cartoon came back"
white again-1 200 200 && fail "the picture kept is not the one shown again"

# A colouring page: the picture with its sticker is kept, the page comes as a new picture, kept
# under the next free name when the file box opens.
kept=$(md5sum < "$lib/MY PICTURES/Sample1.sam")
tap CARTOON T2LUCORD8
tap CARTOON DIAGRAMA8
tap DETAILTOOL SMPLIB81
shot_until colouring '[ "$(region again-1 200 200)" != "$(region colouring 200 200)" ]' ||
  fail "the colouring page did not replace the paper"
# Another colouring page while the first is untouched takes its place rather than a third name.
tap DETAILTOOL SMPLIB82
shot_until colouring2 '[ "$(region colouring 320 240)" != "$(region colouring2 320 240)" ]' ||
  fail "the second colouring page did not replace the first"
tap CARTOON FILEPAGECORD8
[ -f "$lib/MY PICTURES/Sample2.sam" ] || fail "the colouring page was not kept as a new picture"
[ -f "$lib/MY PICTURES/Sample3.sam" ] && fail "an untouched colouring page was kept as a picture of its own"
[ "$(md5sum < "$lib/MY PICTURES/Sample1.sam")" = "$kept" ] || fail "the colouring page was written over the painted picture"
grep -q 'sample=Sample2.sam' "$settings" || fail "the colouring page is not the current picture"

# The sample picture with a cartoon file: its cat walks along the path from its first point.
cat_at=$(python3 - "$lib/SAMPLE" <<'PY'
import glob, struct, sys
for f in sorted(glob.glob(sys.argv[1] + '/*.CAT')):
    b = open(f, 'rb').read()
    for i in range(struct.unpack_from('<H', b, 2)[0]):
        g, c, p, s, off = struct.unpack_from('<iiIII', b, 4 + 20 * i)
        if p > 10:
            x, y = struct.unpack_from('<ii', b, off)
            print(f.split('/')[-1][:-4] + '.sam', x, y)
            sys.exit(0)
PY
)
if [ -z "$cat_at" ]; then
  fail "no sample picture has a walking cartoon"
else
  read -r walker wx wy <<<"$cat_at"
  e2e_kill_session
  e2e_settings "$stage" SAMPLE "$walker"
  rm -f "$stage/RECOVER.DAT"
  e2e_start "$stage/colvane.exe" "$out/colvane-sample.log"
  shot walk1
  shot_until walk2 '[ "$(region walk1 "$wx" "$wy")" != "$(region walk2 "$wx" "$wy")" ]' ||
    fail "the sample's cartoon does not walk"
fi
e2e_end "library end to end: passed"
