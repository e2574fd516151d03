#!/usr/bin/env bash
# Paints on the real program: starts the staged colvane.exe on a 1024x768 screen with a start
# picture, drives it with real X input (xdotool) and checks screenshots: the start picture shows,
# a brush drag paints, the desk's undo button takes the stroke away and brings it back, a
# rectangle rope keeps a stroke inside it and its frame marches, a free rope's frame is evenly
# dashed on slanted sides too, a rope click clears it, a line-mode drag draws only the straight
# line, the absorber's right click makes the soft eraser paint in the picked colour, a held
# airbrush keeps spraying, the magic stamp stamps, and its paging wraps both ways past missing
# stamp files and warns only when none is left.
# Usage: paint_e2e.sh STAGE_DIR POST_COMMAND_EXE OUT_DIR
set -u
stage=$(cd "$1" && pwd)
post=$2
mkdir -p "$3" && out=$(cd "$3" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
rm -rf "$out"
mkdir -p "$out/assets/CUST/BOX1" "$out/program/data"

# The program folder: the staged program with only the first and the last of the six stamps.
cp "$stage"/*.exe "$stage"/*.dll "$stage/Colvane.ini" "$out/program/"
for f in "$stage"/data/p[0-9].dat "$stage/data/pat1.dat" "$stage/data/pat6.dat"; do
  ln -s "$f" "$out/program/data/"
done

# The asset folder: the staged art, and a picture library holding the start picture, a white
# page with a red square at canvas pixels 20..59.
ln -s "$stage/art" "$out/assets/art"
convert -size 640x480 xc:white -fill 'rgb(255,0,0)' -draw 'rectangle 20,20,59,59' -type TrueColor \
  "BMP3:$out/assets/CUST/BOX1/Start1.sam"
printf '[FILE]\r\nPATH=%s\r\n[DESKTOP]\r\nWORKINDIR=BOX1\r\n[sample]\r\nsample=Start1.sam\r\n' \
  "$(e2e_winpath "$out/assets")" > "$WINEPREFIX/drive_c/windows/system32/Colvane.ini"

e2e_start "$out/program/colvane.exe" "$out/colvane.log"

# Screen position of the paper: the 800 x 600 layout is centred, the paper at its PAPERORG.
e2e_paper_origin "$stage/Colvane.ini"
undo=$(e2e_value "$stage/Colvane.ini" CARTOON UNDOCORD8)
IFS=, read -r ul ut ur ub <<<"$undo"

status=0
# A drag from (x0, y) to (x1, y) in steps of 10 pixels.
hdrag() {
  local x0=$1 x1=$2 y=$3 points=() x
  for ((x = x0; x <= x1; x += 10)); do points+=("$x" "$y"); done
  drag "${points[@]}"
}
# check SHOT EXPR...: each expression is evaluated in Python with p(x, y) the (r, g, b) of the
# canvas pixel (x, y) and dark(x, y) / white(x, y) helpers; a false one fails with its text.
check() {
  local name=$1
  shift
  python3 - "$out/$name.rgb" "$px" "$py" "$@" <<'PY' || status=1
import sys
path, px, py = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
pixels, width = open(path, 'rb').read(), 1024  # the screen, 3 bytes a pixel
def p(x, y):
    i = ((py + y) * width + px + x) * 3
    return tuple(pixels[i:i + 3])
def dark(x, y): return sum(p(x, y)) < 3 * 128
def white(x, y): return p(x, y) == (255, 255, 255)
def count(cond, points): return sum(1 for q in points if cond(*q))
# The rope diamond's four sides: whether the frame is dark at each step t along a side, taking
# the darkest of the three pixels across the side in that row.
def side(x, y, dx, dy): return [any(dark(x + dx * t + e, y + dy * t) for e in (-1, 0, 1)) for t in range(4, 97)]
def diamond_sides(): return [side(520, 180, 1, 1), side(620, 280, -1, 1), side(520, 380, -1, -1), side(420, 280, 1, -1)]
def longest(seq, value):
    best = run = 0
    for v in seq:
        run = run + 1 if v == value else 0
        best = max(best, run)
    return best
def sides_in(name):
    global pixels
    mine, pixels = pixels, open(path.rsplit('/', 1)[0] + '/' + name + '.rgb', 'rb').read()
    found = diamond_sides()
    pixels = mine
    return found
ok = True
for expr in sys.argv[4:]:
    if not eval(expr):
        print("FAIL in %s: %s" % (path.rsplit('/', 1)[-1], expr)); ok = False
sys.exit(0 if ok else 1)
PY
}
line() { echo "[(x, $3) for x in range($1, $2, 7)]"; }

# The start picture from [sample] sample of the working box.
shot start
check start "p(40, 40) == (255, 0, 0)" "p(20, 20) == (255, 0, 0)" "white(19, 40)" "white(60, 40)" \
  "white(320, 240)"

# The brush is chosen at start: a drag paints a stroke along its path and nothing far from it.
hdrag 100 400 150
shot brush
check brush "count(dark, $(line 110 390 150)) >= 34" "count(white, $(line 110 390 185)) == 40" \
  "white(60, 150)" "p(40, 40) == (255, 0, 0)"

# The desk's undo button shows the picture before the stroke; pressed again, the stroke again.
undo_x=$((112 + (ul + ur) / 2))
undo_y=$((84 + (ut + ub) / 2))
xdotool mousemove $undo_x $undo_y click 1
sleep 0.5
shot undo
check undo "count(white, $(line 110 390 150)) == 40" "p(40, 40) == (255, 0, 0)"
xdotool mousemove $undo_x $undo_y click 1
sleep 0.5
shot redo
check redo "count(dark, $(line 110 390 150)) >= 34"

# A rectangle rope (the rope panel's default) from (200, 250) to (300, 350): a brush stroke
# across it paints only inside, and the striped frame runs along the selection's edge.
send 2002
drag 200 250 230 280 260 310 300 350
send 1001
hdrag 150 350 300
sleep 0.5
shot rope
check rope "count(dark, $(line 205 296 300)) >= 9" "count(white, $(line 150 199 300)) == 7" \
  "count(white, $(line 301 350 300)) == 7" \
  "count(dark, $(line 202 298 250)) >= 3" "count(white, $(line 202 298 250)) >= 3" \
  "count(dark, [(x, 249) for x in range(195, 305)]) == 0"

# A free rope drawn as a diamond (sides at 45 degrees both ways) over white paper: along every
# side the frame shows short dark dashes with short gaps, and they move along from step to step.
send 41003
diamond=()
for i in $(seq 0 10); do diamond+=($((520 + i * 10)) $((180 + i * 10))); done
for i in $(seq 1 10); do diamond+=($((620 - i * 10)) $((280 + i * 10))); done
for i in $(seq 1 10); do diamond+=($((520 - i * 10)) $((380 - i * 10))); done
for i in $(seq 1 10); do diamond+=($((420 + i * 10)) $((280 - i * 10))); done
drag "${diamond[@]}"
sleep 0.5
shot diamond
sleep 0.3
shot diamond-later
for s in diamond diamond-later; do
  check $s "all(longest(d, True) <= 4 and longest(d, False) <= 4 for d in diamond_sides())"
done
check diamond "diamond_sides() != sides_in('diamond-later')"

# A rope click without moving clears the selection; then a pencil line drawn through a detour
# is one straight stroke from the press to the release, and the rubber band leaves no trace.
send 41002
click 500 420
send 20002
drag 100 320 175 370 250 380 325 370 400 340
shot line
check line "dark(150, 323)" "dark(250, 330)" "dark(350, 337)" "dark(110, 321)" "white(250, 375)" \
  "white(175, 360)" "white(175, 350)" "white(325, 365)"

# The absorber's right click makes the red of the square the background colour; the soft
# eraser (the eraser panel's default) paints with it.
send 2003
click 40 40 3
send 1008
hdrag 100 300 210
shot eraser
check eraser "count(lambda x, y: p(x, y)[0] > p(x, y)[1] + 60, $(line 110 290 210)) >= 20" \
  "p(200, 210)[1] == p(200, 210)[2]"

# The spray panel keeps a held airbrush spraying: the held spot ends darker than a single click.
send 1006 60001
click 500 80
move 580 80
xdotool mousedown 1
sleep 1.5
xdotool mouseup 1
sleep 0.3
shot airbrush
check airbrush "sum(p(580, 80)) < sum(p(500, 80)) - 30" "sum(p(500, 80)) < 765"

# The magic stamp lays its 128 x 128 picture centred on the click.
send 2006
click 520 330
shot stamp
check stamp "count(lambda x, y: not white(x, y), [(x, y) for x in range(456, 584, 4) for y in range(266, 394, 4)]) > 100" \
  "count(lambda x, y: not white(x, y), [(x, y) for x in range(440, 455) for y in range(266, 394, 4)]) == 0"

# Stamp paging passes over stamps that cannot paint. With only the first and the sixth stamp
# files there, back from the first wraps to the sixth, on from it wraps to the first, and on from
# the first passes over the four missing ones to the sixth again: no step warns, and the sixth
# stamp paints. Only when no stamp file is left does a step warn, and then the tool paints nothing.
warning() { xdotool search --onlyvisible --name '^WARNING$' 2>/dev/null | head -1; }
for step in 43002 43001 43001; do
  send post:$step
  sleep 1
  [ -z "$(warning)" ] || fail "paging ($step) warned while a stamp file was there"
done
click 200 420
shot stamp6
check stamp6 "count(lambda x, y: not white(x, y), [(x, y) for x in range(140, 260, 4) for y in range(360, 476, 4)]) > 100"
rm -f "$out/program/data/pat1.dat" "$out/program/data/pat6.dat"
send post:43001
box=
for _ in $(seq 1 50); do
  box=$(warning)
  [ -n "$box" ] && break
  sleep 0.1
done
if [ -n "$box" ]; then
  sleep 0.3
  xdotool windowfocus --sync "$box" key Return
  for _ in $(seq 1 50); do
    [ -z "$(warning)" ] && break
    sleep 0.1
  done
  [ -z "$(warning)" ] || fail "the warning did not close on Return"
else
  fail "no warning once no stamp file was left"
fi
click 400 430
shot nostamp
check nostamp "count(lambda x, y: not white(x, y), [(x, y) for x in range(340, 460, 4) for y in range(400, 476, 4)]) == 0"

# The paper corner turns to the next paper type, which the settings file remembers.
corner=$(sed -n '/^\[CARTOON\]/,/^\[/p' "$stage/Colvane.ini" | tr -d '\r' | sed -n 's/^PAPERCORD8=//p' | head -1)
xdotool mousemove $((112 + ${corner%%,*} + 20)) $((84 + $(echo "$corner" | cut -d, -f2) + 20)) click 1
turned=
for _ in $(seq 1 50); do
  grep -q '^PAPERTYPEID=1' "$WINEPREFIX/drive_c/windows/system32/Colvane.ini" && turned=1 && break
  sleep 0.1
done
[ -n "$turned" ] || fail "the paper corner did not turn the paper"
shot paper

[ $status = 0 ] && echo "painting checked: screenshots in $out"
exit $status
