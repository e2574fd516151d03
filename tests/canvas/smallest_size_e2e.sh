#!/usr/bin/env bash
# The smallest size on the real program, driven by real X input on a 1024x768 screen: the
# pencil chosen from the toolbox with the size thumb dragged past the bar's left end draws a
# line one pixel wide, straight across and on a slant; the soft eraser at the same setting
# wipes a one-pixel line through a black block and leaves the rows beside it black.
# Usage: smallest_size_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
# The staged program, and a picture library whose start picture is white with a black block at
# canvas pixels 350..549 x 200..299.
e2e_program_copy
ln -s "$stage/data" "$out/program/data"
e2e_start_picture -fill black -draw 'rectangle 350,200,549,299'
e2e_start "$out/program/colvane.exe" "$out/colvane.log"

# tool NAME: a click on the toolbox button NAME (its area key NAMEA8).
tool() { press CARTOON "$1A8"; e2e_settle; }
# The size thumb rests on the colour panel's bottom edge, left = COLORCORD.x + min + (max - min)
# * value / 48; the stroke size follows the bar from its first drag. smallest VALUE: drags the
# thumb from where VALUE puts it to well past the bar's left end.
IFS=, read -r cx cy <<<"$(layout COLORCORD)"
IFS=, read -r dmin dmax <<<"$(layout SIZEDOMAIN)"
read -r tw th <<<"$(bmp_size "$(layout sizebar)")"
read -r _ ph <<<"$(bmp_size "$(layout COLOR)")"
smallest() {
  local x=$((cx + dmin + (dmax - dmin) * $1 / 48 + tw / 2)) y=$((cy + ph - th / 2))
  at $x $y
  xdotool mousedown 1
  at $((x - 20)) $y
  at $((cx + dmin - 30)) $y
  xdotool mouseup 1
  e2e_settle
}

# The pencil at the smallest size: a level line and a slanted one, each one pixel across.
tool PENC
smallest 20
path 100 100 300 100
path 100 150 300 250
e2e_wait_pixels pencil "all(dark(x, 100) for x in range(101, 300))" \
  "not any(dark(x, y) for x in range(95, 305) for y in (98, 99, 101, 102))" \
  "all(column(x, 140, 260) in (1, 2) for x in range(101, 299))" \
  "sum(column(x, 140, 260) for x in range(101, 299)) < 198 * 1.6" \
  "white(200, 120)" "white(200, 230)"

# The soft eraser at the same setting: a one-pixel line through the black block.
tool RUBBER
smallest 0
path 330 250 570 250
e2e_wait_pixels eraser "all(light(x, 250) for x in range(352, 548))" \
  "all(black(x, y) for x in range(352, 548) for y in (248, 249, 251, 252))" \
  "black(450, 220)" "white(320, 250)"

e2e_end "smallest size checked: screenshots in $out"
