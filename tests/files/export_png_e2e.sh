#!/usr/bin/env bash
# Export as PNG on the real program: a known picture of the file box exported through the real
# save dialog, once with a name typed with ".png" and once with the PNG filter chosen; each file
# is a PNG whose pixels, decoded here with zlib, are the picture's, pixel for pixel.
# Usage: export_png_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
mkdir -p "$lib/MY PICTURES"
# Every pixel of the picture differs from its neighbours in some channel.
convert -size 640x480 gradient:'rgb(250,10,40)-rgb(5,240,200)' -fill 'rgb(17,99,201)' \
  -draw 'circle 320,240 320,100' -fill 'rgb(255,255,0)' -draw 'rectangle 0,0 9,9' -type TrueColor \
  "BMP3:$lib/MY PICTURES/Known.sam"
e2e_start_staged
press_at() { at "$1" "$2"; xdotool click 1; e2e_settle; }
pictures=$(readlink -f "$WINEPREFIX/drive_c/users/$(id -un)/Pictures")
rm -f "$pictures"/colvane-png-*

# same_pixels PNG BMP: the PNG's 8-bit RGB rows are the bitmap's pixels.
same_pixels() {
  python3 - "$1" "$2" <<'EOF'
import struct, sys, zlib
png, bmp = open(sys.argv[1], 'rb').read(), open(sys.argv[2], 'rb').read()
assert png[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
at, idat, head = 8, b'', None
while at < len(png):
    n, kind = struct.unpack_from('>I4s', png, at)
    body = png[at + 8:at + 8 + n]
    if kind == b'IHDR': head = struct.unpack('>IIBBBBB', body)
    if kind == b'IDAT': idat += body
    at += 12 + n
w, h, depth, colour, _, _, interlace = head
assert (depth, colour, interlace) == (8, 2, 0), 'not 8-bit RGB: %r' % (head,)
raw, stride, rows, prev = zlib.decompress(idat), w * 3, [], bytearray(w * 3)
for y in range(h):
    kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - 3] if i >= 3 else 0
        b, c = prev[i], prev[i - 3] if i >= 3 else 0
        if kind == 1: line[i] = (line[i] + a) & 255
        elif kind == 2: line[i] = (line[i] + b) & 255
        elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
offset = struct.unpack_from('<I', bmp, 10)[0]
bw, bh = struct.unpack_from('<ii', bmp, 18)
assert (w, h) == (bw, bh), 'size %dx%d, the picture is %dx%d' % (w, h, bw, bh)
bstride = (bw * 3 + 3) // 4 * 4
for y in range(h):
    src = bmp[offset + (bh - 1 - y) * bstride:offset + (bh - 1 - y) * bstride + bw * 3]
    want = bytearray(len(src))
    want[0::3], want[1::3], want[2::3] = src[2::3], src[1::3], src[0::3]
    if rows[y] != want:
        x = next(i for i in range(stride) if rows[y][i] != want[i]) // 3
        sys.exit('pixel (%d, %d) is %r, the picture has %r' % (x, y, tuple(rows[y][x*3:x*3+3]), tuple(want[x*3:x*3+3])))
EOF
}

# export_as NAME KEYS...: the first picture of the box exported, the keys given to the dialog
# before NAME is typed; its file in the Pictures folder must be NAME.png.
export_as() {
  local name=$1 dialog file
  shift
  press_at $((28 + 74)) $((176 + 58))
  press CARTOON SAVECORD8
  e2e_wait_until 10 eval 'dialog=$(shown Export); [ -n "$dialog" ]' || { fail "export showed no dialog"; return; }
  e2e_settle
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  for k in "$@"; do xdotool key "$k"; sleep 0.3; done
  xdotool type --delay 40 "$name"; e2e_settle; shot "dialog-${name%.png}"
  xdotool key Return
  file="$pictures/${name%.png}.png"
  e2e_wait_until 10 test -s "$file" || { fail "$name: no PNG was written"; return; }
  e2e_wait_until 10 eval '[ -z "$(shown Export)" ]'
  e2e_settle
  same_pixels "$file" "$lib/MY PICTURES/Known.sam" || fail "$name: the PNG is not the picture"
  [ -e "$file.bmp" ] && fail "$name: a bitmap was written beside the PNG"
}

press_at 736 362
shot box
export_as colvane-png-typed.png
# The filter: from the name field to the type list, which opens, goes one down and closes.
export_as colvane-png-filter Tab alt+Down Down Return shift+Tab
shot exported
ls -l "$pictures"/colvane-png-* 2>/dev/null
rm -f "$pictures"/colvane-png-*
e2e_end "export as PNG: a typed .png name and the PNG filter both give the picture's pixels"
