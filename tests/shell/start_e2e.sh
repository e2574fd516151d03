#!/usr/bin/env bash
# Starts the staged program on a real 1024x768 screen, takes a screenshot and checks it: the
# frame is drawn around a white paper at the centred layout origin (112, 84), and everything
# outside the 800 x 600 layout stays black. Then a click on the red box of the colour panel
# and a drag on the paper paint a red stroke with the brush the program starts with, and the
# eraser chosen from the toolbox wipes it away again. The brush's option panel shows its line
# button selected once it is clicked. Last, the exit button shows the exit screen and a press
# closes the program.
# Usage: start_e2e.sh STAGE_DIR OUT_DIR
set -u
stage=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
mkdir -p "$out"

# The settings file points the program at the staged content.
printf '[FILE]\r\nPATH=%s\r\n' "$(e2e_winpath "$stage")" > "$WINEPREFIX/drive_c/windows/system32/Colvane.ini"
e2e_start "$stage/colvane.exe" "$out/colvane.log"
sleep 1
shot="$out/start-1024.png"
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$shot" || { echo "no screenshot"; exit 1; }

pixel() { convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
e2e_paper_origin "$stage/Colvane.ini"
status=0
for at in "5,5" "1018,762" "100,300" "500,80" "950,400" "500,690"; do
  [ "$(pixel ${at%,*} ${at#*,})" = "0,0,0" ] || { echo "outside the layout at $at is not black: $(pixel ${at%,*} ${at#*,})"; status=1; }
done
[ "$(pixel $((px + 320)) $((py + 240)))" = "255,255,255" ] || { echo "paper centre not white"; status=1; }
# The frame: most of the layout outside the paper is drawn (not black).
drawn=0
for x in 130 200 300 420 560 700 780 860 900; do
  for y in 100 300 500 640 670; do
    if [ $x -ge $px ] && [ $x -lt $((px + 640)) ] && [ $y -ge $py ] && [ $y -lt $((py + 480)) ]; then continue; fi
    [ "$(pixel $x $y)" != "0,0,0" ] && drawn=$((drawn + 1))
  done
done
echo "frame samples drawn: $drawn"
[ $drawn -ge 8 ] || { echo "the frame is not drawn"; status=1; }

# The colour panel: box 2 of page 0 is red.
layout() { e2e_value "$stage/Colvane.ini" 800 "$1"; }
IFS=, read -r cx cy <<<"$(layout COLORCORD)"
IFS=, read -r bx by _ <<<"$(layout PALSBOXCORD)"
IFS=, read -r pitch _ <<<"$(layout PALGBOXCORD)"
xdotool mousemove $((112 + cx + bx + 2 * pitch + 5)) $((84 + cy + by + 5)) click 1
sleep 0.5
xdotool mousemove $((px + 100)) $((py + 300)) mousedown 1
for x in $(seq 110 10 300); do xdotool mousemove $((px + x)) $((py + 300)); sleep 0.02; done
xdotool mouseup 1
sleep 0.5
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/colour-stroke.png"
shot="$out/colour-stroke.png"
red=0
for x in 150 200 250; do
  IFS=, read -r r g b <<<"$(pixel $((px + x)) $((py + 300)))"
  [ "$r" -gt 150 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ] && red=$((red + 1))
done
[ $red = 3 ] || { echo "the stroke is not red after choosing red ($red of 3)"; status=1; }

# The toolbox: the eraser button shows as selected and its soft eraser wipes the stroke.
cartoon() { e2e_value "$stage/Colvane.ini" CARTOON "$1"; }
IFS=, read -r el et er eb <<<"$(cartoon RUBBERA8)"
ex=$((112 + (el + er) / 2)); ey=$((84 + (et + eb) / 2))
convert "$shot" -crop "$((er - el))x$((eb - et))+$((112 + el))+$((84 + et))" +repage "$out/eraser-before.png"
xdotool mousemove "$ex" "$ey" click 1
sleep 1.5
# The soft eraser fades what it passes over: there and back leaves the paper nearly white.
xdotool mousemove $((px + 90)) $((py + 300)) mousedown 1
for x in $(seq 100 8 320) $(seq 320 -8 90); do xdotool mousemove $((px + x)) $((py + 300)); sleep 0.02; done
xdotool mouseup 1
sleep 0.5
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/erased.png"
shot="$out/erased.png"
convert "$shot" -crop "$((er - el))x$((eb - et))+$((112 + el))+$((84 + et))" +repage "$out/eraser-after.png"
changed=$(compare -metric AE "$out/eraser-before.png" "$out/eraser-after.png" null: 2>&1)
[ "${changed%% *}" -gt 50 ] 2>/dev/null || { echo "the eraser button did not show as selected ($changed)"; status=1; }
for x in 150 200 250; do
  IFS=, read -r r g b <<<"$(pixel $((px + x)) $((py + 300)))"
  [ "$g" -ge 240 ] && [ "$b" -ge 240 ] || { echo "the eraser left $r,$g,$b at $x"; status=1; }
done
# The brush's option panel: a click on its line button moves the selected look there.
detail() { e2e_value "$stage/Colvane.ini" DETAILTOOL "$1"; }
IFS=, read -r bl bt br bb <<<"$(cartoon BRUSHA8)"
xdotool mousemove $((112 + (bl + br) / 2)) $((84 + (bt + bb) / 2)) click 1
sleep 1.5
IFS=, read -r ll lt lr lb <<<"$(detail BRUSH_LINE_CORD8)"
IFS=, read -r fl ft fr fb <<<"$(detail BRUSH_FREE_CORD8)"
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/brush-panel.png"
crop() { convert "$1" -crop "$(($4 - $2))x$(($5 - $3))+$((112 + $2))+$((84 + $3))" +repage "$6"; }
crop "$out/brush-panel.png" $ll $lt $lr $lb "$out/line-before.png"
crop "$out/brush-panel.png" $fl $ft $fr $fb "$out/free-before.png"
xdotool mousemove $((112 + (ll + lr) / 2)) $((84 + (lt + lb) / 2)) click 1
sleep 1
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/brush-line.png"
crop "$out/brush-line.png" $ll $lt $lr $lb "$out/line-after.png"
crop "$out/brush-line.png" $fl $ft $fr $fb "$out/free-after.png"
for b in line free; do
  changed=$(compare -metric AE "$out/$b-before.png" "$out/$b-after.png" null: 2>&1)
  [ "${changed%% *}" -gt 50 ] 2>/dev/null || { echo "the brush $b button did not change its look ($changed)"; status=1; }
done

# The exit button: the screen freezes and darkens, the goodbye picture rises in the middle, and
# a left press closes the program at once with exit code 0.
IFS=, read -r xl xt xr xb <<<"$(cartoon EXITCORD8)"
xdotool mousemove $((112 + (xl + xr) / 2)) $((84 + (xt + xb) / 2)) mousedown 1
sleep 0.2
xdotool mouseup 1
sleep 3
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/exit.png"
shot="$out/exit.png"
dark=0
for x in $(seq 150 3 210); do [ "$(pixel $((px + x)) $((py + 40)))" = "0,0,0" ] && dark=$((dark + 1)); done
[ $dark -ge 5 ] || { echo "the exit screen did not darken the paper ($dark of 21 black)"; status=1; }
[ "$(pixel 512 740)" = "0,0,0" ] || { echo "the exit screen changed what lies outside the layout"; status=1; }
xdotool click 1
for _ in $(seq 1 30); do kill -0 "$e2e_pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$e2e_pid" 2>/dev/null; then
  echo "a press on the exit screen did not close the program"; status=1
else
  wait "$e2e_pid"; code=$?
  [ $code = 0 ] || { echo "the program ended with exit code $code"; status=1; }
fi
[ $status = 0 ] && echo "start screenshot checked: $out/start-1024.png"
exit $status
