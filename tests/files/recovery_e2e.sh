#!/usr/bin/env bash
# No picture lost to a crash: on a copy of the staged content, a stroke is painted, the whole Wine
# session is killed three seconds later, and the program started again shows the stroke.
# Usage: recovery_e2e.sh STAGE_DIR OUT_DIR
set -u
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
e2e_fresh_stage "$1" "$out"
e2e_start_staged "$stage" "$out"
e2e_paper_origin "$stage/Colvane.ini"
status=0
# dark NAME: pixels darker than half along the stroke's row (canvas 100..300, 295..305).
dark() {
  convert "$out/$1.png" -crop 200x10+$((px + 100))+$((py + 295)) +repage -colorspace Gray \
    -threshold 50% -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}
sleep 1
drag 100 300 150 300 200 300 250 300 300 300
sleep 0.5
shot painted
[ "$(dark painted)" -gt 200 ] || fail "the stroke was not painted"
sleep 3
"$WINESERVER" -k >/dev/null 2>&1  # every process of the session, as a crash or a power cut would
wait "$e2e_pid" 2>/dev/null
[ -f "$stage/RECOVER.DAT" ] || fail "no recovery copy was kept"
find "$stage/CUST" -name '*.sam' -newer "$out/painted.png" | grep -q . && fail "a picture was saved after all"

e2e_start "$stage/colvane.exe" "$out/colvane-again.log"
shot again
recovered=$(dark again)
echo "dark pixels of the stroke after the restart: $recovered"
[ "$recovered" -gt 200 ] || fail "the stroke is lost after the restart"

kill $e2e_pid 2>/dev/null
[ $status = 0 ] && echo "recovery end to end: passed"
exit $status
