#!/usr/bin/env bash
# No picture lost to a crash: on a copy of the staged content, a stroke is painted, the whole Wine
# session is killed three seconds later, and the program started again shows the stroke.
# Usage: recovery_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
e2e_start_staged
stroke_dark() { dark_pixels "$1" 100 295 200 10; }  # along the stroke's row
drag 100 300 150 300 200 300 250 300 300 300
shot_until painted '[ "$(stroke_dark painted)" -gt 200 ]'
[ "$(stroke_dark painted)" -gt 200 ] || fail "the stroke was not painted"
# The crash comes three seconds after the stroke, as a power cut would, whatever the program did.
sleep 3
e2e_kill_session
[ -f "$stage/RECOVER.DAT" ] || fail "no recovery copy was kept"
find "$stage/CUST" -name '*.sam' -newer "$out/painted.png" | grep -q . && fail "a picture was saved after all"

e2e_start "$stage/colvane.exe" "$out/colvane-again.log"
shot again
recovered=$(stroke_dark again)
echo "dark pixels of the stroke after the restart: $recovered"
[ "$recovered" -gt 200 ] || fail "the stroke is lost after the restart"
e2e_end "recovery end to end: passed"
