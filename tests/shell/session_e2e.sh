#!/usr/bin/env bash
# One copy per user, and the end of a Windows session. A second start leaves the running copy
# alone and ends; a log-off (WM_QUERYENDSESSION, WM_ENDSESSION) keeps the picture and drops the
# recovery copy with no message box; when the box can't be written then, still no box waits,
# and the recovery copy holds the latest painting.
# Usage: session_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE BOX_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
boxes() { "$WINE64" "$probe" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }
windows() { xdotool search --onlyvisible --name '^Colvane Application$' 2>/dev/null | wc -l; }
locked=""
trap 'e2e_cleanup; [ -n "$locked" ] && umount "$locked"' EXIT
e2e_settings "$stage"
e2e_start "$stage/colvane.exe" "$out/colvane.log"
box="$lib/MY PICTURES"
hdrag 100 300 300

"$WINE64" "$stage/colvane.exe" </dev/null >"$out/second.log" 2>&1 9>&- &
second=$!
e2e_wait_end "$second" 15 || { kill "$second"; fail "the second copy did not end by itself"; }
running "$e2e_pid" || fail "the first copy ended"
[ "$(windows)" = 1 ] || fail "$(windows) program windows after the second start"

"$WINE64" "$post" endsession </dev/null >/dev/null 2>&1 9>&- || fail "the log-off was refused or not answered"
picture=$(find "$box" -name '*.sam' | head -1)
[ -n "$picture" ] || fail "the log-off kept no picture"
[ ! -e "$stage/RECOVER.DAT" ] || fail "the recovery copy is left after the picture was kept"
[ -z "$(boxes)" ] || fail "a message box came at the log-off: $(boxes)"

# The box can't be written: the painting goes to the recovery copy, and nothing asks.
hdrag 100 350 300
mount --bind "$box" "$box" && mount -o remount,bind,ro "$box" && locked="$box" || fail "the box could not be locked"
before=$(md5sum < "$picture")
"$WINE64" "$post" endsession </dev/null >/dev/null 2>&1 9>&- || fail "the second log-off was refused or not answered"
[ -z "$(boxes)" ] || fail "a message box came at the log-off with a locked box: $(boxes)"
[ "$(md5sum < "$picture")" = "$before" ] || fail "the locked picture changed"
[ -s "$stage/RECOVER.DAT" ] || fail "the recovery copy does not hold the painting"
e2e_end "one copy; the log-off kept the picture, then the recovery copy, with no message box"
