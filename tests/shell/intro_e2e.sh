#!/usr/bin/env bash
# The intro for real: the staged program plays "head.avi" through MCI on a real screen. A
# screenshot while it plays shows its frame in the middle of a black screen, and a later one the
# paper arrived on the desk; left alone, the main window follows when the clip has played;
# started again, a click on the picture skips it.
# Usage: intro_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_settings "$stage"
black() { [ "$(pixel "$@")" = "0,0,0" ]; }
# paper_arrived NAME: the intro's paper lies under the name.
paper_arrived() {
  IFS=, read -r r g b <<<"$(pixel "$1" 336 282)"
  [ "$r" -gt 230 ] && [ "$g" -gt 230 ] && [ "$b" -gt 220 ]
}

e2e_launch "$stage/colvane.exe" "$out/colvane.log"
start=$(date +%s%N)
# The clip stands at (256, 192), 512 x 384; its frame is the wooden desk with the paper on it.
shot_until intro '! black intro 300 200 && ! black intro 760 570' ||
  fail "no intro frame in the middle of the screen"
for p in "250,300" "773,300" "512,186" "512,581" "10,10" "1010,760"; do
  black intro ${p%,*} ${p#*,} || fail "the intro is not centred on black at $p"
done
IFS=, read -r r g b <<<"$(pixel intro 270 220)"
[ "$r" -gt "$b" ] && [ "$g" -gt "$b" ] || fail "the frame's corner is not the wooden desk ($r,$g,$b)"
# a moment later the paper has slid onto the desk under the name
shot_until intro-later 'paper_arrived intro-later'
paper_arrived intro-later || fail "the intro's paper did not arrive ($r,$g,$b)"
if e2e_wait_main 15; then
  echo "the intro played for $((($(date +%s%N) - start) / 1000000)) ms before the main window"
else
  fail "the main window did not follow the intro"
fi
e2e_settle
shot after-intro
black after-intro 130 100 && fail "the desk is not drawn after the intro"
kill "$e2e_pid" 2>/dev/null; wait "$e2e_pid" 2>/dev/null

# A click on the picture itself skips the intro.
e2e_launch "$stage/colvane.exe" "$out/colvane-2.log"
shot_until intro-2 '! black intro-2 300 200'
shot_until intro-3 '! same intro-2 intro-3 512x384+256+192'  # the clip plays
xdotool mousemove 512 384 click 1
e2e_wait_main 3 || fail "a click on the intro's picture did not open the main window"
e2e_end "intro screenshot checked: $out/intro.png"
