#!/usr/bin/env bash
# The whole program by keyboard alone, on the real program with the pointer parked in a corner and
# never moved: each Tab puts the focus ring on the next area's first target (checked on the screen
# at the target the program names), the pencil and red chosen by arrows and Enter, the size bar's
# marker carried, a line painted with the paper's crosshair (Space, a held arrow, Space), the file
# box opened and a picture opened.
# Usage: keyboard_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
export WINEDEBUG=-all,warn+debugstr  # the program tells where its focus goes
e2e_fresh_stage
e2e_start_picture
convert -size 640x480 xc:white -fill black -draw "rectangle 100,100 540,380" -type TrueColor \
  "BMP3:$out/assets/CUST/BOX1/Other.sam"
log="$out/colvane.log"
e2e_start "$stage/colvane.exe" "$log"
xdotool windowfocus --sync "$(e2e_window)"
parked=$(xdotool getmouselocation)

# The focus the program reported last: "AREA|NAME|L T R B|CROSS_X CROSS_Y|ROW COLUMN|" (layout
# coordinates).
focus() { grep -a 'colvane focus:' "$log" | tail -1 | sed 's/.*colvane focus: //'; }
area() { focus | cut -d'|' -f1; }
name() { focus | cut -d'|' -f2; }
reports() { grep -ac 'colvane focus:' "$log"; }
# key KEY...: typed, each waited for until the program reports its focus.
key() {
  local k n
  for k in "$@"; do
    n=$(reports)
    xdotool key "$k"
    e2e_wait_until 5 eval '[ "$(reports)" -gt '"$n"' ]' || fail "no focus report after $k"
  done
}
# still_shot NAME: a screenshot once the screen holds still.
still_shot() { e2e_settle; shot "$1"; }
# ring_shown SHOT: the ring, black inside white, round the rectangle of the focus, in SHOT.
ring_shown() {
  local l t r b
  read -r l t r b <<<"$(focus | cut -d'|' -f3)"
  screen_check "$1" "black(ox+$l-2, oy+($t+$b)//2) and white(ox+$l-5, oy+($t+$b)//2)" \
    "black(ox+$r+1, oy+($t+$b)//2) and white(ox+$r+4, oy+($t+$b)//2)" \
    "black(ox+($l+$r)//2, oy+$t-2) and white(ox+($l+$r)//2, oy+$t-5)" \
    "black(ox+($l+$r)//2, oy+$b+1) and white(ox+($l+$r)//2, oy+$b+4)"
}
# tab_to AREA: Tab until the focus is on that area (at most a round of them).
tab_to() {
  local i
  for i in $(seq 1 16); do [ "$(area)" = "$1" ] && return 0; key Tab; done
  fail "Tab never reached $1"
}
# seek NAME: rounds of the arrows, each way until it stops, until the focus is on the target NAME.
seek() {
  local round k i last
  for round in 1 2 3; do
    for k in Right Down Left Up; do
      for i in $(seq 1 8); do
        [ "$(name)" = "$1" ] && return 0
        last=$(focus)
        key "$k"
        [ "$(focus)" = "$last" ] && break
      done
    done
  done
  [ "$(name)" = "$1" ] || fail "the arrows never reached $1 (at $(focus))"
}

# Tab after Tab: a round of the areas, the ring on each one's first target.
key Tab
first=$(area)
areas=("$first")
still_shot tab0
ring_shown tab0
for i in $(seq 1 16); do
  key Tab
  [ "$(area)" = "$first" ] && break
  areas+=("$(area)")
  still_shot "tab$i"
  ring_shown "tab$i"
done
echo "areas by Tab: ${areas[*]}"
for want in toolbox "colour boxes" "size bar" desk canvas; do
  printf '%s\n' "${areas[@]}" | grep -qx "$want" || fail "Tab never reached the $want"
done

# The pencil and red.
tab_to toolbox
seek PENC
key Return
tab_to "colour boxes"
red='def red(x, y): q = p(x, y); return q[0] > q[1] + 80 and q[0] > q[2] + 80'
for i in $(seq 0 15); do
  read -r l t r b <<<"$(focus | cut -d'|' -f3)"
  still_shot colour
  e2e_pixels -q "$out/colour.rgb" "$screen_w" "$ox" "$oy" "$red" "red(($l+$r)//2, ($t+$b)//2)" && break
  if [ "$i" = 7 ]; then key Down; elif [ "$i" -lt 7 ]; then key Right; else key Left; fi
done
key Return

# A drag by keys: the size bar's marker picked up, carried ten pixels right, put down.
tab_to "size bar"
was=$(focus | cut -d'|' -f3)
key space Right Right Right Right Right Right Right Right Right Right space
read -r l _ _ _ <<<"$was"
read -r now _ _ _ <<<"$(focus | cut -d'|' -f3)"
[ "$now" -gt "$l" ] || fail "the size bar's marker was not carried: from $was to $(focus | cut -d'|' -f3)"

# A line on the paper: the crosshair comes at its middle, Space starts the stroke, a held arrow
# runs it to the right faster and faster, Space ends it.
tab_to canvas
key Return
read -r cx cy <<<"$(focus | cut -d'|' -f4)"
still_shot crosshair
screen_check crosshair "black(ox+$cx+8, oy+$cy) and black(ox+$cx, oy+$cy-8)"
key space
n=$(reports)
xdotool keydown Right
sleep 1.5  # the key repeats
xdotool keyup Right
e2e_wait_until 5 eval '[ "$(reports)" -ge $((n + 10)) ]'
key space
read -r ex ey <<<"$(focus | cut -d'|' -f4)"
[ "$ex" -gt $((cx + 100)) ] || fail "a held arrow did not speed up the crosshair: $cx to $ex"
still_shot line
e2e_pixels "$out/line.rgb" "$screen_w" "$ox" "$oy" "$red" \
  "count(red, [(x, $cy) for x in range($cx + 2, $ex - 2)]) > ($ex - $cx) * 3 // 4" || status=1

# The file box, and the other picture in it opened.
tab_to desk
seek "file box"
key Return
e2e_settle desk
key Tab
[ "$(area)" = "file box" ] || fail "the focus did not go to the open file box"
still_shot file_box
ring_shown file_box
seek picture
key Left  # the first picture, "Other" (the one painted on comes after it)
key Return
e2e_settle desk
shot opened
check opened "sum(p(320, 240)) < 100" "sum(p(450, 240)) < 100" "light(20, 20)"  # black where the line was
[ "$(xdotool getmouselocation)" = "$parked" ] || fail "the pointer moved"
e2e_end "keyboard checked: $out/tab0.png ... $out/opened.png"
