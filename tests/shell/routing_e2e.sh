#!/usr/bin/env bash
# The mouse routing of the real program, driven by real X input on a 1024x768 screen:
# - a size-bar drag let go over the paper ends there: moving across the colour panel afterwards
#   leaves the thumb where it was;
# - moving from the paper-type badge straight onto the paper shows the tool cursor again;
# - choosing the colour absorber takes the brush panel off the screen;
# - a colour-page button shows its pressed look while held, and its plain look after;
# - the toolbox page button has hover and pressed looks, as the tool buttons do.
# Usage: routing_e2e.sh STAGE_DIR OUT_DIR
set -u
stage=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
e2e_start_staged "$stage" "$out"
e2e_paper_origin "$stage/Colvane.ini"
status=0
ini="$stage/Colvane.ini"
layout() { e2e_value "$ini" 800 "$1"; }
cartoon() { e2e_value "$ini" CARTOON "$1"; }
detail() { e2e_value "$ini" DETAILTOOL "$1"; }
at() { xdotool mousemove $((112 + $1)) $((84 + $2)); sleep 0.2; }  # a layout point
# The cursor shown: a class cursor set on a move shows from the next move, so nudge first.
cursor() {
  xdotool mousemove_relative 1 0; sleep 0.2
  python3 "$root/tests/support/cursor_image.py"
}
# same A B X Y W H: the screenshots A and B agree on the layout rectangle.
same() {
  local geometry="$5x$6+$((112 + $3))+$((84 + $4))"
  [ "$(convert "$out/$1.png" -crop "$geometry" +repage rgb:- | md5sum)" = \
    "$(convert "$out/$2.png" -crop "$geometry" +repage rgb:- | md5sum)" ]
}
# bmp_size FILE: width and height of a bitmap file of the staged content.
bmp_size() {
  python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(26); w,h=struct.unpack("<ii",d[18:26]); print(w,abs(h))' \
    "$stage/$(printf '%s' "$1" | tr '\\' /)"
}

# The size bar's thumb at the start (size value 20): left = COLORCORD.x + min + (max - min) * 20 / 48,
# resting on the bottom of the colour panel.
IFS=, read -r cx cy <<<"$(layout COLORCORD)"
IFS=, read -r dmin dmax <<<"$(layout SIZEDOMAIN)"
read -r tw th <<<"$(bmp_size "$(layout sizebar)")"
read -r _ ph <<<"$(bmp_size "$(layout COLOR)")"
tx=$((cx + dmin + (dmax - dmin) * 20 / 48 + tw / 2))
ty=$((cy + ph - th / 2))
bar_left=$((cx + dmin)); bar_top=$((cy + ph - th)); bar_width=$((dmax - dmin + tw))
at $tx $ty
xdotool mousedown 1
at $((tx - 40)) $ty
move 300 200  # over the paper
xdotool mouseup 1
sleep 0.3
shot thumb-released
for x in $((cx + dmin)) $((cx + dmax / 2)) $((cx + dmax)); do at $x $ty; done
shot thumb-after-moves
same thumb-released thumb-after-moves $bar_left $bar_top $bar_width $th ||
  fail "the thumb follows the mouse after its drag ended over the paper"

# The cursor: the brush's over the paper, the hand over the badge, the brush again on the paper.
move 320 240; sleep 0.3; on_paper=$(cursor)
IFS=, read -r bx by _ <<<"$(cartoon PAPERCORD8)"
at $((bx + 4)) $((by + 4)); on_badge=$(cursor)
move 320 240; sleep 0.3; back=$(cursor)
echo "cursor on paper $on_paper, on badge $on_badge, back $back"
[ "$on_badge" != "$on_paper" ] || fail "the badge shows no hand"
[ "$back" = "$on_paper" ] || fail "back on the paper the cursor is not the tool's"

# The absorber from the toolbox: the brush panel leaves the screen.
IFS=, read -r ox oy <<<"$(detail BRUSH_ORG8)"
IFS=, read -r fl ft fr fb <<<"$(detail BRUSH_FREE_CORD8)"
shot with-brush-panel
IFS=, read -r al at_ ar ab <<<"$(cartoon DRILLA8)"
at $(((al + ar) / 2)) $(((at_ + ab) / 2))
xdotool click 1
sleep 1.5
move 320 240; sleep 0.3
shot with-absorber
same with-brush-panel with-absorber $fl $ft $((fr - fl)) $((fb - ft)) &&
  fail "the brush panel stays on the screen after choosing the absorber"

# A colour-page button: pressed look while held, plain after.
IFS=, read -r ux uy <<<"$(layout POSCOLORPAGEUP)"
read -r uw uh <<<"$(bmp_size "$(layout colorpageup)")"
shot page-up
at $((ux + uw / 4)) $((uy + uh / 2))
shot page-before
xdotool mousedown 1
sleep 0.5
shot page-held
xdotool mouseup 1
sleep 0.5
at $((ux - 20)) $((uy + uh / 2))
shot page-released
same page-before page-held $ux $uy $((uw / 2)) $uh && fail "the page button shows no pressed look"
same page-before page-released $ux $uy $((uw / 2)) $uh || fail "the page button stays pressed"

# The toolbox page button, like the tools: its hover look while the pointer rests on it, its
# plain look again once the pointer leaves, its pressed look while held; the release turns to
# the second page, whose page button hovers too.
IFS=, read -r gx gy <<<"$(cartoon TOOL1228MORG)"
read -r _ gh <<<"$(bmp_size "$(cartoon TOOL1228M)")"
gw=$(cartoon TOOL1228MW)
move 320 240; sleep 0.3
shot pagebutton-plain
at $((gx + gw / 2)) $((gy + gh / 2)); sleep 0.6
shot pagebutton-hover
move 320 240; sleep 0.3
shot pagebutton-left
at $((gx + gw / 2)) $((gy + gh / 2)); sleep 0.6
xdotool mousedown 1
sleep 0.3
shot pagebutton-held
xdotool mouseup 1
sleep 1
move 320 240; sleep 0.3
shot page2-plain
at $((gx + gw / 2)) $((gy + gh / 2)); sleep 0.6
shot page2-hover
same pagebutton-plain pagebutton-hover $gx $gy $gw $gh && fail "the page button shows no hover look"
same pagebutton-plain pagebutton-left $gx $gy $gw $gh || fail "the page button keeps its hover look after the pointer left"
same pagebutton-plain pagebutton-held $gx $gy $gw $gh && fail "the page button shows no pressed look"
same pagebutton-hover pagebutton-held $gx $gy $gw $gh && fail "the page button's pressed look is its hover look"
same pagebutton-plain page2-plain $gx $gy $gw $gh && fail "the page button's release did not turn the page"
same page2-plain page2-hover $gx $gy $gw $gh && fail "the second page's button shows no hover look"

kill $e2e_pid 2>/dev/null
[ $status = 0 ] && echo "routing end to end: passed"
exit $status
