#!/usr/bin/env bash
# Dwell clicking on the real program, on a 1024x768 screen, with the machine's policy setting a
# dwell time of 800 ms and the real pointer moved by xdotool, never clicked: a rest on the pencil
# chooses it, a rest on the paper starts a stroke that follows the pointer and the next rest ends
# it, the ring fills at a resting pointer and is gone after the click, a pointer circling wider
# than the jitter radius never clicks, and a rest on the resting place in the corner pauses it.
# Usage: dwell_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
policy="$WINEPREFIX/drive_c/windows/system32/ColvanePolicy.ini"
trap 'e2e_cleanup; rm -f "$policy"' EXIT  # the prefix is shared: no other script may meet it
printf '[Access]\r\nDwellMs=800\r\n' > "$policy"
rest=1.8  # well over the dwell time, so a click has surely come
e2e_start_picture
e2e_start "$stage/colvane.exe" "$out/colvane.log"

# The ring: orange pixels of its filled part within the ring's box around a screen point.
check_defs="
def orange(x, y): r, g, b = p(x, y); return r > 220 and 110 < g < 170 and b < 40
def ring_at(cx, cy): return count(orange, [(x, y) for x in range(cx - 24, cx + 25) for y in range(cy - 24, cy + 25)])
"
corner="$((screen_w - 12)) $((screen_h - 12))"
# scheck NAME EXPR...: checks of screen pixels with the ring's helpers.
scheck() { local n=$1; shift; e2e_pixels "$out/$n.rgb" "$screen_w" 0 0 "$check_defs" "$@" || status=1; }
shot start
scheck start "orange($((screen_w - 12)), $((screen_h - 12)))"  # the resting place, dwell on

# A rest on the pencil chooses it: the pencil's option panel replaces the brush's.
IFS=, read -r gx gy <<<"$(detail PENCIL_ORG$digit)"
panel=$(geom "$gx" "$gy" 246 76)
xdotool mousemove $(centre CARTOON PENCA$digit)
sleep $rest
e2e_settle desk
shot pencil
same start pencil "$panel" && fail "a rest on the pencil did not choose it"

# A rest on the paper starts the stroke; while the pointer moves, the ring fills at no point.
move 100 200
sleep $rest
for ((x = 110; x <= 400; x += 10)); do move $x 200; sleep 0.05; done
# Resting at the end, with a jitter of a few pixels, fills the ring around the pointer ...
ring=no
for _ in 1 2 3 4; do
  move 402 203; shot ring
  e2e_pixels -q "$out/ring.rgb" "$screen_w" 0 0 "$check_defs" "ring_at($((px + 402)), $((py + 203))) > 20" && {
    ring=yes
    break
  }
  move 398 199
done
[ $ring = yes ] || fail "no ring filled at the resting pointer"
# ... and the next dwell ends the stroke, leaving no ring behind.
move 400 200
sleep $rest
e2e_settle desk
shot stroke
line() { echo "[(x, $3) for x in range($1, $2, 7)]"; }
check stroke "count(dark, $(line 110 390 200)) >= 38" "count(white, $(line 110 390 230)) == 40" \
  "count(white, $(line 110 390 170)) == 40"
scheck stroke "ring_at($((px + 400)), $((py + 200))) == 0"

# A pointer circling round a point of the paper, twenty pixels out (the jitter radius is twelve),
# for five dwell times, then resting on the resting place in the corner: no click on the paper,
# so no dot there, and dwell clicking paused.
circle=$(python3 -c 'import math
for i in range(80): a = i * math.pi / 8; print(300 + round(20 * math.cos(a)), 350 + round(20 * math.sin(a)))')
while read -r x y; do move "$x" "$y"; sleep 0.05; done <<<"$circle"
xdotool mousemove $corner
sleep $rest
e2e_settle desk
shot circled
check circled "count(dark, [(x, y) for x in range(270, 331, 2) for y in range(320, 381, 2)]) == 0"
scheck circled "not orange($((screen_w - 12)), $((screen_h - 12)))"

# Paused, a rest on the paper paints nothing.
move 200 420
sleep $rest
e2e_settle desk
shot paused
check paused "count(dark, [(x, y) for x in range(190, 211, 2) for y in range(410, 431, 2)]) == 0"

e2e_end "dwell clicking end to end: passed"
