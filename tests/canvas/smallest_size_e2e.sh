#!/usr/bin/env bash
# The smallest size on the real program, driven by real X input on a 1024x768 screen: the
# pencil chosen from the toolbox with the size thumb dragged past the bar's left end draws a
# line one pixel wide, straight across and on a slant; the soft eraser at the same setting
# wipes a one-pixel line through a black block and leaves the rows beside it black.
# Usage: smallest_size_e2e.sh STAGE_DIR OUT_DIR
set -u
stage=$(cd "$1" && pwd)
mkdir -p "$2" && out=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
rm -rf "$out"
mkdir -p "$out/assets/CUST/BOX1" "$out/program"

# The staged program, and a picture library whose start picture is white with a black block at
# canvas pixels 350..549 x 200..299.
cp "$stage"/*.exe "$stage"/*.dll "$stage/Colvane.ini" "$out/program/"
ln -s "$stage/data" "$out/program/data"
ln -s "$stage/art" "$out/assets/art"
convert -size 640x480 xc:white -fill black -draw 'rectangle 350,200,549,299' -type TrueColor \
  "BMP3:$out/assets/CUST/BOX1/Start1.sam"
printf '[FILE]\r\nPATH=%s\r\n[DESKTOP]\r\nWORKINDIR=BOX1\r\n[sample]\r\nsample=Start1.sam\r\n' \
  "$(e2e_winpath "$out/assets")" > "$WINEPREFIX/drive_c/windows/system32/Colvane.ini"
e2e_start "$out/program/colvane.exe" "$out/colvane.log"
e2e_paper_origin "$stage/Colvane.ini"
status=0
ini="$stage/Colvane.ini"

at() { xdotool mousemove $((112 + $1)) $((84 + $2)); sleep 0.2; }  # a layout point
# tool NAME: a click on the toolbox button NAME (its area key NAMEA8).
tool() {
  local l t r b
  IFS=, read -r l t r b <<<"$(e2e_value "$ini" CARTOON "$1A8")"
  at $(((l + r) / 2)) $(((t + b) / 2))
  xdotool click 1
  sleep 1.5
}
# The size thumb rests on the colour panel's bottom edge, left = COLORCORD.x + min + (max - min)
# * value / 48; the stroke size follows the bar from its first drag. smallest VALUE: drags the
# thumb from where VALUE puts it to well past the bar's left end.
IFS=, read -r cx cy <<<"$(e2e_value "$ini" 800 COLORCORD)"
IFS=, read -r dmin dmax <<<"$(e2e_value "$ini" 800 SIZEDOMAIN)"
bmp_size() {
  python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(26); w,h=struct.unpack("<ii",d[18:26]); print(w,abs(h))' \
    "$stage/$(printf '%s' "$1" | tr '\\' /)"
}
read -r tw th <<<"$(bmp_size "$(e2e_value "$ini" 800 sizebar)")"
read -r _ ph <<<"$(bmp_size "$(e2e_value "$ini" 800 COLOR)")"
smallest() {
  local x=$((cx + dmin + (dmax - dmin) * $1 / 48 + tw / 2)) y=$((cy + ph - th / 2))
  at $x $y
  xdotool mousedown 1
  at $((x - 20)) $y
  at $((cx + dmin - 30)) $y
  xdotool mouseup 1
  sleep 0.3
}
# check SHOT EXPR...: Python expressions over p(x, y), the (r, g, b) of canvas pixel (x, y).
check() {
  local name=$1
  shift
  python3 - "$out/$name.rgb" "$px" "$py" "$@" <<'PY' || status=1
import sys
path, px, py = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
pixels = open(path, 'rb').read()
def p(x, y):
    i = ((py + y) * 1024 + px + x) * 3
    return tuple(pixels[i:i + 3])
def dark(x, y): return sum(p(x, y)) < 3 * 128
def light(x, y): return min(p(x, y)) > 200
def black(x, y): return p(x, y) == (0, 0, 0)
def white(x, y): return p(x, y) == (255, 255, 255)
def column(x, y0, y1): return sum(1 for y in range(y0, y1) if dark(x, y))
ok = True
for expr in sys.argv[4:]:
    if not eval(expr):
        print("FAIL in %s: %s" % (path.rsplit('/', 1)[-1], expr)); ok = False
sys.exit(0 if ok else 1)
PY
}
# path X0 Y0 X1 Y1: a drag from the first canvas point to the second in steps of 10 pixels.
path() {
  local n=$(( ($3 - $1) / 10 )) points=() i
  for ((i = 0; i <= n; i++)); do points+=($(($1 + ($3 - $1) * i / n)) $(($2 + ($4 - $2) * i / n))); done
  drag "${points[@]}"
}

# The pencil at the smallest size: a level line and a slanted one, each one pixel across.
tool PENC
smallest 20
path 100 100 300 100
path 100 150 300 250
shot pencil
check pencil "all(dark(x, 100) for x in range(101, 300))" \
  "not any(dark(x, y) for x in range(95, 305) for y in (98, 99, 101, 102))" \
  "all(column(x, 140, 260) in (1, 2) for x in range(101, 299))" \
  "sum(column(x, 140, 260) for x in range(101, 299)) < 198 * 1.6" \
  "white(200, 120)" "white(200, 230)"

# The soft eraser at the same setting: a one-pixel line through the black block.
tool RUBBER
smallest 0
path 330 250 570 250
shot eraser
check eraser "all(light(x, 250) for x in range(352, 548))" \
  "all(black(x, y) for x in range(352, 548) for y in (248, 249, 251, 252))" \
  "black(450, 220)" "white(320, 250)"

kill "$e2e_pid" 2>/dev/null
[ $status = 0 ] && echo "smallest size checked: screenshots in $out"
exit $status
