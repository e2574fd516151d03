#!/usr/bin/env bash
# Paints on the real program: starts the staged colvane.exe on a 1024x768 screen with a start
# picture, drives it with real X input (xdotool) and checks screenshots: the start picture shows,
# a brush drag paints, the desk's undo button takes the stroke away and brings it back, a
# rectangle rope keeps a stroke inside it and its frame marches, a free rope's frame is evenly
# dashed on slanted sides too, a rope click clears it, a line-mode drag draws only the straight
# line, the absorber's right click makes the soft eraser paint in the picked colour, a held
# airbrush keeps spraying, the magic stamp stamps, and its paging wraps both ways past missing
# stamp files and warns only when none is left.
# Usage: paint_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
# The program folder: the staged program with only the first and the last of the six stamps.
e2e_program_copy
mkdir -p "$out/program/data"
for f in "$stage"/data/p[0-9].dat "$stage/data/pat1.dat" "$stage/data/pat6.dat"; do
  ln -s "$f" "$out/program/data/"
done
# The start picture: a white page with a red square at canvas pixels 20..59.
e2e_start_picture -fill 'rgb(255,0,0)' -draw 'rectangle 20,20,59,59'
e2e_start "$out/program/colvane.exe" "$out/colvane.log"

# In the checks, the rope diamond's four sides: whether the frame is dark at each step t along a
# side, taking the darkest of the three pixels across the side in that row.
check_defs="
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
"
line() { echo "[(x, $3) for x in range($1, $2, 7)]"; }

# The start picture from [sample] sample of the working box.
shot start
check start "p(40, 40) == (255, 0, 0)" "p(20, 20) == (255, 0, 0)" "white(19, 40)" "white(60, 40)" \
  "white(320, 240)"

# The brush is chosen at start: a drag paints a stroke along its path and nothing far from it.
hdrag 100 400 150
e2e_wait_pixels brush "count(dark, $(line 110 390 150)) >= 34" "count(white, $(line 110 390 185)) == 40" \
  "white(60, 150)" "p(40, 40) == (255, 0, 0)"

# The desk's undo button shows the picture before the stroke; pressed again, the stroke again.
press CARTOON UNDOCORD8
e2e_wait_pixels undo "count(white, $(line 110 390 150)) == 40" "p(40, 40) == (255, 0, 0)"
press CARTOON UNDOCORD8
e2e_wait_pixels redo "count(dark, $(line 110 390 150)) >= 34"

# A rectangle rope (the rope panel's default) from (200, 250) to (300, 350): a brush stroke
# across it paints only inside, and the striped frame runs along the selection's edge.
send 2002
drag 200 250 230 280 260 310 300 350
send 1001
hdrag 150 350 300
e2e_wait_pixels rope "count(dark, $(line 205 296 300)) >= 9" "count(white, $(line 150 199 300)) == 7" \
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
e2e_wait_pixels diamond "all(longest(d, True) <= 4 and longest(d, False) <= 4 for d in diamond_sides())"
# the next screenshot that differs on the diamond: the dashes have moved a step
diamond_box=210x210+$((px + 415))+$((py + 175))
shot_until diamond-later '[ "$(crop_md5 diamond "$diamond_box")" != "$(crop_md5 diamond-later "$diamond_box")" ]'
check diamond-later "all(longest(d, True) <= 4 and longest(d, False) <= 4 for d in diamond_sides())"
check diamond "diamond_sides() != sides_in('diamond-later')"

# A rope click without moving clears the selection; then a pencil line drawn through a detour
# is one straight stroke from the press to the release, and the rubber band leaves no trace.
send 41002
click 500 420
send 20002
drag 100 320 175 370 250 380 325 370 400 340
e2e_wait_pixels line "dark(150, 323)" "dark(250, 330)" "dark(350, 337)" "dark(110, 321)" "white(250, 375)" \
  "white(175, 360)" "white(175, 350)" "white(325, 365)"

# The absorber's right click makes the red of the square the background colour; the soft
# eraser (the eraser panel's default) paints with it.
send 2003
click 40 40 3
send 1008
hdrag 100 300 210
e2e_wait_pixels eraser "count(lambda x, y: p(x, y)[0] > p(x, y)[1] + 60, $(line 110 290 210)) >= 20" \
  "p(200, 210)[1] == p(200, 210)[2]"

# The spray panel keeps a held airbrush spraying: the held spot ends darker than a single click.
send 1006 60001
click 500 80
move 580 80
xdotool mousedown 1
sleep 1.5  # the airbrush sprays for as long as it is held; how much it sprays is what is checked
xdotool mouseup 1
e2e_settle
shot airbrush
check airbrush "sum(p(580, 80)) < sum(p(500, 80)) - 30" "sum(p(500, 80)) < 765"

# The magic stamp lays its 128 x 128 picture centred on the click.
send 2006
click 520 330
e2e_wait_pixels stamp "count(lambda x, y: not white(x, y), [(x, y) for x in range(456, 584, 4) for y in range(266, 394, 4)]) > 100" \
  "count(lambda x, y: not white(x, y), [(x, y) for x in range(440, 455) for y in range(266, 394, 4)]) == 0"

# Stamp paging passes over stamps that cannot paint. With only the first and the sixth stamp
# files there, back from the first wraps to the sixth, on from it wraps to the first, and on from
# the first passes over the four missing ones to the sixth again: no step warns, and the sixth
# stamp paints. Only when no stamp file is left does a step warn, and then the tool paints nothing.
for step in 43002 43001 43001; do
  send post:$step
  sleep 1  # a warning that does not come shows nothing to wait for; one would be up within this
  [ -z "$(shown WARNING)" ] || fail "paging ($step) warned while a stamp file was there"
done
click 200 420
e2e_wait_pixels stamp6 "count(lambda x, y: not white(x, y), [(x, y) for x in range(140, 260, 4) for y in range(360, 476, 4)]) > 100"
rm -f "$out/program/data/pat1.dat" "$out/program/data/pat6.dat"
send post:43001
if e2e_wait_until 5 eval '[ -n "$(shown WARNING)" ]'; then
  focus_key Return "$(shown WARNING)"
  e2e_wait_until 5 eval '[ -z "$(shown WARNING)" ]' || fail "the warning did not close on Return"
else
  fail "no warning once no stamp file was left"
fi
click 400 430
e2e_settle
shot nostamp
check nostamp "count(lambda x, y: not white(x, y), [(x, y) for x in range(340, 460, 4) for y in range(400, 476, 4)]) == 0"

# The paper corner turns to the next paper type, which the settings file remembers.
IFS=, read -r cl ct _ <<<"$(cartoon PAPERCORD8)"
at $((cl + 20)) $((ct + 20)); xdotool click 1
e2e_wait_until 5 grep -q '^PAPERTYPEID=1' "$settings" || fail "the paper corner did not turn the paper"
shot paper

e2e_end "painting checked: screenshots in $out"
