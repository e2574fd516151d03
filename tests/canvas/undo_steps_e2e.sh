#!/usr/bin/env bash
# Undo with five steps on the real program (the grown-ups' policy file says UndoSteps=5): six
# brush strokes in six colours, then five steps back (the undo button and Ctrl+Z), a sixth that
# changes nothing, three forward (the undo button's right press and Ctrl+Y), and a new stroke
# that leaves nothing ahead. Each state is the canvas as it was shown after that stroke.
# Usage: undo_steps_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
policy="$(dirname "$settings")/ColvanePolicy.ini"
trap 'rm -f "$policy"; e2e_cleanup' EXIT  # the other scripts of this screen start without it
printf '[Policy]\r\nUndoSteps=5\r\n' > "$policy"
e2e_program_copy
mkdir -p "$out/program/data"
for f in "$stage"/data/*.dat; do ln -s "$f" "$out/program/data/"; done
# The start picture: six colour squares along the top to pick the strokes' colours from.
colours=('255,0,0' '0,160,0' '0,0,255' '230,200,0' '200,0,200' '0,200,200')
squares=()
for i in 0 1 2 3 4 5; do
  squares+=(-fill "rgb(${colours[$i]})" -draw "rectangle $((20 + 40 * i)),20 $((39 + 40 * i)),39")
done
e2e_start_picture "${squares[@]}"
e2e_start "$out/program/colvane.exe" "$out/colvane.log"
wid=$(e2e_window)
canvas_md5() { e2e_grab "${paper_w}x${paper_h}+$px+$py" | md5sum; }
# is STATE: the canvas shows what it showed after that many strokes.
is() { [ "$(canvas_md5)" = "${state[$1]}" ]; }
expect() {
  e2e_wait_until 10 is "$1" || fail "$2: the canvas is not as after stroke $1"
  shot "$3"
}
undo_button() { press CARTOON UNDOCORD8; }
undo_right() { xdotool mousemove $(centre CARTOON UNDOCORD8) click 3; }
key() { focus_key "$1" "$wid"; }

declare -A state
state[0]=$(canvas_md5)
# Stroke k: the absorber picks square k's colour, the brush paints row 100 + 50k.
for k in 1 2 3 4 5 6; do
  send 2003
  click $((30 + 40 * (k - 1))) 30
  send 1001
  hdrag 100 400 $((50 + 50 * k))
  e2e_wait_pixels "stroke$k" "p(250, $((50 + 50 * k))) != (255, 255, 255)" \
    "abs(p(250, $((50 + 50 * k)))[0] - ${colours[$((k - 1))]%%,*}) < 60"
  e2e_settle
  state[$k]=$(canvas_md5)
done
for k in 1 2 3 4 5; do [ "${state[$k]}" != "${state[$((k + 1))]}" ] || fail "stroke $((k + 1)) changed nothing"; done

# Five steps back: a double click and a click on the button, two by Ctrl+Z; the sixth finds
# nothing older kept.
xdotool mousemove $(centre CARTOON UNDOCORD8) click --repeat 2 --delay 80 1; expect 4 "double click" back2
undo_button; expect 3 "undo 3" back3
key ctrl+z; expect 2 "Ctrl+Z 1" back4
key ctrl+z; expect 1 "Ctrl+Z 2" back5
check back5 "white(250, 150)" "p(250, 100) != (255, 255, 255)"
undo_button; e2e_settle
is 1 || fail "an undo past the oldest step kept changed the picture"

# Three steps forward: twice the button's right press, once Ctrl+Y.
undo_right; expect 2 "right press 1" forward1
undo_right; expect 3 "right press 2" forward2
key ctrl+y; expect 4 "Ctrl+Y" forward3
check forward3 "p(250, 250) != (255, 255, 255)" "white(250, 300)" "white(250, 350)"

# A new stroke after going back: nothing is ahead any more.
hdrag 100 400 420
e2e_settle
after=$(canvas_md5)
key ctrl+y; undo_right; e2e_settle
[ "$(canvas_md5)" = "$after" ] || fail "a redo after a new stroke brought back an undone one"
shot new-stroke
e2e_end "undo steps: five back, none past the oldest, three forward, none after a new stroke"
