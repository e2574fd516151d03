#!/usr/bin/env bash
# Quick clicks on the real program, driven by real X input on a 1024x768 screen: the pointer comes
# onto a button and clicks at once, while the button's hover animation still plays. Each kind of
# button acts on that one click (the toolbox's page button, which acts on its release, as much as
# the tools and library categories, which act on their press, and the desk's buttons), and the
# next quick click goes where it was meant, never to the button before.
# Usage: quick_click_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_start_staged

# rect SECTION KEY: "X Y W H" of a layout rectangle.
rect() { local l t r b; IFS=, read -r l t r b <<<"$(e2e_value "$ini" "$1" "$2")"; echo "$l $t $((r - l)) $((b - t))"; }
IFS=, read -r gx gy <<<"$(cartoon TOOL1228MORG)"
read -r _ gh <<<"$(bmp_size "$(cartoon TOOL1228M)")"
page_button="$gx $gy $(cartoon TOOL1228MW) $gh"
IFS=, read -r tx ty <<<"$(layout TOOLCORD)"
tray="$tx $ty 120 300"
face_field=$(rect DETAILTOOL TYPE_FONT_CORD8)
shelf_page=$(rect DETAILTOOL GRLIB81)

# mid SECTION KEY: the layout point in the middle of a layout rectangle.
mid() { local x y w h; read -r x y w h <<<"$(rect "$1" "$2")"; echo $((x + w / 2)) $((y + h / 2)); }
read -r _ _ gw _ <<<"$page_button"
page_mid="$((gx + gw / 2)) $((gy + gh / 2))"
# quick NAME X Y: from a rest on the paper, the pointer jumps to the layout point and clicks with
# no pause; NAME is the screenshot once everything has settled again, the pointer back on the
# paper.
quick() {
  move 320 240; e2e_settle desk
  xdotool mousemove $((ox + $2)) $((oy + $3)) click 1
  e2e_settle desk
  move 320 240; e2e_settle desk
  shot "$1"
}
# differ A B X Y W H / agree A B X Y W H: the screenshots on a layout rectangle.
differ() { ! same "$1" "$2" "$(geom "$3" "$4" "$5" "$6")"; }
agree() { same "$1" "$2" "$(geom "$3" "$4" "$5" "$6")"; }

move 320 240; e2e_settle desk; shot start
# Each row: the shot, the button's layout point, and what its one quick click must have done (checks over the
# shot before and this one).
rows=(
  "page2   $page_mid                 differ start page2 $tray"
  "typer   $(mid CARTOON TYPERA8)    differ page2 typer $face_field && agree page2 typer $page_button"
  "page1   $page_mid                 agree start page1 $page_button"
  "pencil  $(mid CARTOON PENCA8)     differ typer pencil $face_field && agree page1 pencil $page_button"
  "library $(mid CARTOON T2LUCORD8)  differ pencil library $tray"
  "people  $(mid CARTOON PERSONA8)   differ library people $shelf_page"
  "tools   $(mid CARTOON L2TUCORD8)  differ people tools $tray"
)
meaning=(
  "the page button's quick click did not turn to the second page"
  "the typewriter's quick click did not choose it, or turned the page back"
  "the second page's button did not turn back to the first page"
  "the pencil's quick click did not choose it, or turned the page"
  "the desk button's quick click did not turn to the library"
  "the people's category did not open on a quick click"
  "the desk button's quick click did not turn back to the tools"
)
for i in "${!rows[@]}"; do
  read -r name x y check <<<"${rows[$i]}"
  quick "$name" "$x" "$y"
  eval "$check" || fail "${meaning[$i]}"
done

e2e_end "quick clicks end to end: passed"
