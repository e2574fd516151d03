#!/usr/bin/env bash
# Starts the staged program on a real 1024x768 screen, takes a screenshot and checks it: the
# frame is drawn around a white paper at the centred layout origin, and everything outside the
# 800 x 600 layout stays black. Then a click on the red box of the colour panel and a drag on the
# paper paint a red stroke with the brush the program starts with, and the eraser chosen from the
# toolbox wipes it away again. The brush's option panel shows its line button selected once it is
# clicked. Last, the exit button shows the exit screen and a press closes the program.
# Usage: start_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_settings "$stage"
e2e_start "$stage/colvane.exe" "$out/colvane.log"
shot start-1024 || { echo "no screenshot"; exit 1; }
shot=start-1024
at_shot() { pixel "$shot" "$@"; }  # a screen pixel of the current screenshot
for p in "5,5" "1018,762" "100,300" "500,80" "950,400" "500,690"; do
  [ "$(at_shot ${p%,*} ${p#*,})" = "0,0,0" ] || { echo "outside the layout at $p is not black: $(at_shot ${p%,*} ${p#*,})"; status=1; }
done
[ "$(at_shot $((px + 320)) $((py + 240)))" = "255,255,255" ] || { echo "paper centre not white"; status=1; }
# The frame: most of the layout outside the paper is drawn (not black).
drawn=0
for x in 130 200 300 420 560 700 780 860 900; do
  for y in 100 300 500 640 670; do
    if [ $x -ge $px ] && [ $x -lt $((px + 640)) ] && [ $y -ge $py ] && [ $y -lt $((py + 480)) ]; then continue; fi
    [ "$(at_shot $x $y)" != "0,0,0" ] && drawn=$((drawn + 1))
  done
done
echo "frame samples drawn: $drawn"
[ $drawn -ge 8 ] || { echo "the frame is not drawn"; status=1; }

# The colour panel: box 2 of page 0 is red.
IFS=, read -r cx cy <<<"$(layout COLORCORD)"
IFS=, read -r bx by _ <<<"$(layout PALSBOXCORD)"
IFS=, read -r pitch _ <<<"$(layout PALGBOXCORD)"
at $((cx + bx + 2 * pitch + 5)) $((cy + by + 5)); xdotool click 1
e2e_settle
drag 100 300 $(for x in $(seq 110 10 300); do echo $x 300; done)
# red: how many of three points along the stroke are red.
red() {
  local n=0 x r g b
  for x in 150 200 250; do
    IFS=, read -r r g b <<<"$(at_shot $((px + x)) $((py + 300)))"
    [ "$r" -gt 150 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ] && n=$((n + 1))
  done
  echo $n
}
shot=colour-stroke
shot_until colour-stroke '[ "$(red)" = 3 ]'
[ "$(red)" = 3 ] || { echo "the stroke is not red after choosing red ($(red) of 3)"; status=1; }

# The toolbox: the eraser button shows as selected and its soft eraser wipes the stroke.
IFS=, read -r el et er eb <<<"$(cartoon RUBBERA8)"
# crop SHOT L T R B TO: a layout rectangle of a screenshot.
crop() { convert "$out/$1.png" -crop "$(($4 - $2))x$(($5 - $3))+$((ox + $2))+$((oy + $3))" +repage "$out/$6.png"; }
crop colour-stroke $el $et $er $eb eraser-before
press CARTOON RUBBERA8
e2e_settle
# The soft eraser fades what it passes over: there and back leaves the paper nearly white.
drag 90 300 $(for x in $(seq 100 8 320) $(seq 320 -8 90); do echo $x 300; done)
e2e_settle
shot erased
shot=erased
crop erased $el $et $er $eb eraser-after
changed=$(compare -metric AE "$out/eraser-before.png" "$out/eraser-after.png" null: 2>&1)
[ "${changed%% *}" -gt 50 ] 2>/dev/null || { echo "the eraser button did not show as selected ($changed)"; status=1; }
for x in 150 200 250; do
  IFS=, read -r r g b <<<"$(at_shot $((px + x)) $((py + 300)))"
  [ "$g" -ge 240 ] && [ "$b" -ge 240 ] || { echo "the eraser left $r,$g,$b at $x"; status=1; }
done
# The brush's option panel: a click on its line button moves the selected look there.
press CARTOON BRUSHA8
e2e_settle
IFS=, read -r ll lt lr lb <<<"$(detail BRUSH_LINE_CORD8)"
IFS=, read -r fl ft fr fb <<<"$(detail BRUSH_FREE_CORD8)"
shot brush-panel
crop brush-panel $ll $lt $lr $lb line-before
crop brush-panel $fl $ft $fr $fb free-before
press DETAILTOOL BRUSH_LINE_CORD8
e2e_settle
shot brush-line
crop brush-line $ll $lt $lr $lb line-after
crop brush-line $fl $ft $fr $fb free-after
for b in line free; do
  changed=$(compare -metric AE "$out/$b-before.png" "$out/$b-after.png" null: 2>&1)
  [ "${changed%% *}" -gt 50 ] 2>/dev/null || { echo "the brush $b button did not change its look ($changed)"; status=1; }
done

# The exit button: the screen freezes and darkens, the goodbye picture rises in the middle, and
# a left press closes the program at once with exit code 0.
press CARTOON EXITCORD8
# darkened: black points along a row of the paper's top.
darkened() { local n=0 x; for x in $(seq 150 3 210); do [ "$(at_shot $((px + x)) $((py + 40)))" = "0,0,0" ] && n=$((n + 1)); done; echo $n; }
shot=exit
shot_until exit '[ "$(darkened)" -ge 5 ]'
[ "$(darkened)" -ge 5 ] || { echo "the exit screen did not darken the paper ($(darkened) of 21 black)"; status=1; }
[ "$(at_shot 512 740)" = "0,0,0" ] || { echo "the exit screen changed what lies outside the layout"; status=1; }
xdotool click 1
if ! e2e_wait_end "$e2e_pid" 6; then
  echo "a press on the exit screen did not close the program"; status=1
else
  wait "$e2e_pid"; code=$?
  [ $code = 0 ] || { echo "the program ended with exit code $code"; status=1; }
fi
e2e_end "start screenshot checked: $out/start-1024.png"
