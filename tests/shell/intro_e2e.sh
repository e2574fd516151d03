#!/usr/bin/env bash
# The intro for real: the staged program plays "head.avi" through MCI on a real screen. A
# screenshot while it plays shows its frame in the middle of a black screen, and a later one the
# paper arrived on the desk; left alone, the
# main window follows when the clip has played; started again, a click on the picture skips it.
# Usage: intro_e2e.sh STAGE_DIR OUT_DIR
set -u
stage=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
mkdir -p "$out"
printf '[FILE]\r\nPATH=%s\r\n' "$(e2e_winpath "$stage")" > "$WINEPREFIX/drive_c/windows/system32/Colvane.ini"
status=0
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
black() { [ "$(pixel "$@")" = "0,0,0" ]; }

e2e_launch "$stage/colvane.exe" "$out/colvane.log"
start=$(date +%s%N)
# The clip stands at (256, 192), 512 x 384; its frame is the wooden desk with the paper on it.
framed=0
for i in $(seq 1 30); do
  xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/intro.png"
  if ! black "$out/intro.png" 300 200 && ! black "$out/intro.png" 760 570; then framed=1; break; fi
  sleep 0.1
done
[ $framed = 1 ] || { echo "FAIL: no intro frame in the middle of the screen"; status=1; }
for at in "250,300" "773,300" "512,186" "512,581" "10,10" "1010,760"; do
  black "$out/intro.png" ${at%,*} ${at#*,} || { echo "FAIL: the intro is not centred on black at $at"; status=1; }
done
IFS=, read -r r g b <<<"$(pixel "$out/intro.png" 270 220)"
[ "$r" -gt "$b" ] && [ "$g" -gt "$b" ] || { echo "FAIL: the frame's corner is not the wooden desk ($r,$g,$b)"; status=1; }
# a moment later the paper has slid onto the desk under the name
sleep 1.8
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/intro-later.png"
IFS=, read -r r g b <<<"$(pixel "$out/intro-later.png" 336 282)"
[ "$r" -gt 230 ] && [ "$g" -gt 230 ] && [ "$b" -gt 220 ] || { echo "FAIL: the intro's paper did not arrive ($r,$g,$b)"; status=1; }
if e2e_wait_main 15; then
  echo "the intro played for $(( ($(date +%s%N) - start) / 1000000 )) ms before the main window"
else
  echo "FAIL: the main window did not follow the intro"; status=1
fi
sleep 2
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/after-intro.png"
black "$out/after-intro.png" 130 100 && { echo "FAIL: the desk is not drawn after the intro"; status=1; }
kill "$e2e_pid" 2>/dev/null; wait "$e2e_pid" 2>/dev/null

# A click on the picture itself skips the intro.
e2e_launch "$stage/colvane.exe" "$out/colvane-2.log"
sleep 1
xdotool mousemove 512 384 click 1
e2e_wait_main 3 || { echo "FAIL: a click on the intro's picture did not open the main window"; status=1; }
[ $status = 0 ] && echo "intro screenshot checked: $out/intro.png"
exit $status
