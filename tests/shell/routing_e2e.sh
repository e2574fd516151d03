#!/usr/bin/env bash
# The mouse routing of the real program, driven by real X input on a 1024x768 screen:
# - a size-bar drag let go over the paper ends there: moving across the colour panel afterwards
#   leaves the thumb where it was;
# - moving from the paper-type badge straight onto the paper shows the tool cursor again;
# - choosing the colour absorber takes the brush panel off the screen;
# - a colour-page button shows its pressed look while held, and its plain look after;
# - the toolbox page button has hover and pressed looks, as the tool buttons do.
# Usage: routing_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_start_staged
# agree A B X Y W H: the screenshots A and B agree on the layout rectangle.
agree() { same "$1" "$2" "$(geom "$3" "$4" "$5" "$6")"; }
# hold X Y W H: waits until the layout rectangle holds still.
hold() { e2e_settle "$(geom "$@")"; }

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
hold $bar_left $bar_top $bar_width $th
shot thumb-released
for x in $((cx + dmin)) $((cx + dmax / 2)) $((cx + dmax)); do at $x $ty; done
hold $bar_left $bar_top $bar_width $th
shot thumb-after-moves
agree thumb-released thumb-after-moves $bar_left $bar_top $bar_width $th ||
  fail "the thumb follows the mouse after its drag ended over the paper"

# The cursor: the brush's over the paper, the hand over the badge, the brush again on the paper.
move 320 240; on_paper=$(cursor)
IFS=, read -r bx by _ <<<"$(cartoon PAPERCORD8)"
at $((bx + 4)) $((by + 4)); on_badge=$(cursor)
move 320 240; back=$(cursor)
echo "cursor on paper $on_paper, on badge $on_badge, back $back"
[ "$on_badge" != "$on_paper" ] || fail "the badge shows no hand"
[ "$back" = "$on_paper" ] || fail "back on the paper the cursor is not the tool's"

# The absorber from the toolbox: the brush panel leaves the screen.
IFS=, read -r fl ft fr fb <<<"$(detail BRUSH_FREE_CORD8)"
shot with-brush-panel
press CARTOON DRILLA8
move 320 240
e2e_settle
shot with-absorber
agree with-brush-panel with-absorber $fl $ft $((fr - fl)) $((fb - ft)) &&
  fail "the brush panel stays on the screen after choosing the absorber"

# A colour-page button: pressed look while held, plain after.
IFS=, read -r ux uy <<<"$(layout POSCOLORPAGEUP)"
read -r uw uh <<<"$(bmp_size "$(layout colorpageup)")"
shot page-up
at $((ux + uw / 4)) $((uy + uh / 2))
hold $ux $uy $uw $uh
shot page-before
xdotool mousedown 1
hold $ux $uy $uw $uh
shot page-held
xdotool mouseup 1
at $((ux - 20)) $((uy + uh / 2))
hold $ux $uy $uw $uh
shot page-released
agree page-before page-held $ux $uy $((uw / 2)) $uh && fail "the page button shows no pressed look"
agree page-before page-released $ux $uy $((uw / 2)) $uh || fail "the page button stays pressed"

# The toolbox page button, like the tools: its hover look while the pointer rests on it, its
# plain look again once the pointer leaves, its pressed look while held; the release turns to
# the second page, whose page button hovers too.
IFS=, read -r gx gy <<<"$(cartoon TOOL1228MORG)"
read -r _ gh <<<"$(bmp_size "$(cartoon TOOL1228M)")"
gw=$(cartoon TOOL1228MW)
# look NAME: the page button's look once it holds still.
look() { hold $gx $gy $gw $gh; shot "$1"; }
move 320 240; look pagebutton-plain
at $((gx + gw / 2)) $((gy + gh / 2)); look pagebutton-hover
move 320 240; look pagebutton-left
at $((gx + gw / 2)) $((gy + gh / 2)); hold $gx $gy $gw $gh
xdotool mousedown 1; look pagebutton-held
xdotool mouseup 1; e2e_settle
move 320 240; look page2-plain
at $((gx + gw / 2)) $((gy + gh / 2)); look page2-hover
agree pagebutton-plain pagebutton-hover $gx $gy $gw $gh && fail "the page button shows no hover look"
agree pagebutton-plain pagebutton-left $gx $gy $gw $gh || fail "the page button keeps its hover look after the pointer left"
agree pagebutton-plain pagebutton-held $gx $gy $gw $gh && fail "the page button shows no pressed look"
agree pagebutton-hover pagebutton-held $gx $gy $gw $gh && fail "the page button's pressed look is its hover look"
agree pagebutton-plain page2-plain $gx $gy $gw $gh && fail "the page button's release did not turn the page"
agree page2-plain page2-hover $gx $gy $gw $gh && fail "the second page's button shows no hover look"

e2e_end "routing end to end: passed"
