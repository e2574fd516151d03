#!/usr/bin/env bash
# Fills on the real program: starts the staged colvane.exe on a 1024x768 screen with a start
# picture, drives it with real X input (xdotool) and checks screenshots: the shapes tool draws a
# closed ellipse whose preview leaves no trace, the colour fill fills its inside and nothing
# outside, the texture fill tiles the fill panel's first texture, and a gradient drag keeps the
# cursor on the canvas, shades the area from the foreground to the background and frees the
# cursor again; undo takes the gradient away.
# Usage: fill_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_program_copy
mkdir -p "$out/program/data"
for f in "$stage"/data/*.dat; do ln -s "$f" "$out/program/data/"; done
# The start picture: a red and a green square to pick colours from, a blue frame for the
# gradient (inside 401..599 x 101..249) and a black frame for the texture (inside 41..299 x
# 341..449).
e2e_start_picture +antialias -fill 'rgb(255,0,0)' -draw 'rectangle 20,20,39,39' \
  -fill 'rgb(0,160,0)' -draw 'rectangle 50,20,69,39' -fill none -stroke 'rgb(0,0,255)' \
  -draw 'rectangle 400,100 600,250' -stroke black -draw 'rectangle 40,340 300,450'
e2e_start "$out/program/colvane.exe" "$out/colvane.log"

# In the checks, tex(x, y) is the texture file's pixel (x, y) from the top.
texture=$(detail TONAREA0A | tr '\\' /)
check_defs="
import struct
bmp = open('$stage/$texture', 'rb').read()
offset = struct.unpack_from('<I', bmp, 10)[0]
tw, th = struct.unpack_from('<ii', bmp, 18)  # a 24-bit bottom-up picture
stride = (tw * 3 + 3) // 4 * 4
def tex(x, y):
    i = offset + (th - 1 - y % th) * stride + 3 * (x % tw)
    return (bmp[i + 2], bmp[i + 1], bmp[i])
"
cursor_x() { xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) .*/\1/p'; }

shot start
check start "p(25, 25) == (255, 0, 0)" "p(55, 25) == (0, 160, 0)" "p(400, 150) == (0, 0, 255)" "white(500, 180)"

# The absorber picks green; the shapes tool (hollow ellipse until its panel lets one choose)
# draws a closed ring from (80, 100) to (280, 280), and its previews leave nothing behind.
send 2003
click 60 30
send 2001
drag 80 100 120 150 200 220 260 300 280 280
e2e_wait_pixels ellipse "p(80, 190)[1] > 100 and p(80, 190)[0] < 100" "p(180, 100)[1] > 100 and p(180, 100)[0] < 100" \
  "white(180, 190)" "white(90, 110)" "white(180, 80)" "white(170, 299)" "white(295, 190)"

# The colour fill (the fill panel's default) with red fills the inside of the ring only.
send 2003
click 30 30
send 1007
click 180 190
e2e_wait_pixels fill "p(180, 190) == (255, 0, 0)" "p(100, 190) == (255, 0, 0)" "p(180, 120) == (255, 0, 0)" \
  "p(80, 190)[1] > 100 and p(80, 190)[0] < 100" "white(90, 110)" "white(270, 270)" "white(300, 190)" \
  "white(180, 300)"

# The texture fill tiles the fill panel's first texture inside the black frame.
send 11003
click 100 400
e2e_wait_pixels texture "all(p(x, y) == tex(x, y) for x in range(45, 296, 5) for y in range(345, 447, 5))" \
  "white(320, 400)" "white(100, 330)"

# A gradient from (420, 180) to the right: the cursor cannot leave the canvas while the button
# is down, so the release lands on its right edge at the same height (a horizontal gradient).
send 11002
move 420 180
xdotool mousedown 1
for x in 450 500 550 600; do
  move $x 180
  sleep 0.02  # one mouse message per move, as a hand drags
done
xdotool mousemove $((screen_w - 4)) $((py + 180))
e2e_wait_until 5 eval '[ "$(cursor_x)" -le $((px + 639)) ]'
held=$(cursor_x)
xdotool mouseup 1
[ "$held" -le $((px + 639)) ] || fail "the cursor left the canvas during the gradient ($held)"
xdotool mousemove $((screen_w - 4)) 700
e2e_wait_until 5 eval '[ "$(cursor_x)" = $((screen_w - 4)) ]'
[ "$(cursor_x)" = $((screen_w - 4)) ] || fail "the cursor stayed confined after the gradient"
e2e_wait_pixels gradient "p(401, 180) == (255, 0, 0)" "p(599, 180)[1] > 245" \
  "all(p(x, 180)[0] >= 254 for x in range(401, 600))" \
  "all(p(x, 180)[1] <= p(x + 5, 180)[1] for x in range(401, 594, 5))" \
  "all(p(x, 120)[1] == p(x, 240)[1] for x in range(401, 600, 7))" \
  "p(500, 180)[1] > 90 and p(500, 180)[1] < 165" "p(400, 120)[2] > 200" "white(620, 180)" \
  "white(350, 180)" "p(180, 190) == (255, 0, 0)"

# Undo takes the gradient away.
press CARTOON UNDOCORD8
e2e_wait_pixels undo "white(500, 180)" "white(420, 180)" "p(180, 190) == (255, 0, 0)"

e2e_end "fills checked: screenshots in $out"
