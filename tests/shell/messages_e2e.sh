#!/usr/bin/env bash
# Messages a parent can act on, on the real program: settings naming a picture folder that is not
# there start on the program's own folder, with the desk drawn and a message naming the setting;
# a painting that cannot be kept (its box is a file) is not left behind without a question, at the
# exit button or at Alt+F4, and No keeps the program open with the painting.
# Usage: messages_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE BOX_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
boxes() { "$WINE64" "$probe" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }
answer() { "$WINE64" "$probe" "$1" </dev/null >/dev/null 2>&1 9>&-; }
# asked TEXT: a box holding TEXT is on the screen.
asked() { boxes | grep -qF -- "$1"; }

missing="$(e2e_winpath "$out/no-such-folder")"
mkdir -p "$lib"
: >"$lib/BOX"  # where the box folder should be, a file
printf '[FILE]\r\nPATH=%s\r\n[DESKTOP]\r\nWORKINDIR=BOX\r\n[sample]\r\nsample=Sample1.sam\r\n' "$missing" >"$settings"
e2e_start "$stage/colvane.exe" "$out/colvane.log"
e2e_wait_until 10 asked "PATH under [FILE]" || fail "no message about the settings' folder"
boxes | grep -qF -- "\"$missing\"" || fail "the message does not name the folder: $(boxes)"
answer ok
e2e_wait_until 10 eval '! asked "PATH under [FILE]"'
e2e_settle desk
shot desk
drawn=0
for p in "300,150" "700,150" "880,300" "880,500" "300,650" "700,650"; do
  [ "$(pixel desk ${p%,*} ${p#*,})" != "0,0,0" ] && drawn=$((drawn + 1))
done
[ $drawn -ge 5 ] || fail "the desk is not drawn from the program's own folder ($drawn of 6 points)"

hdrag 100 300 300
shot_until painted '[ "$(dark_pixels painted 100 295 200 10)" -gt 100 ]'
press CARTOON EXITCORD8
e2e_wait_until 10 asked "Leave anyway?" || fail "the exit button left without asking"
boxes | grep -qF "A file stands where" || fail "the question does not say what failed: $(boxes)"
answer no
e2e_wait_until 10 eval '! asked "Leave anyway?"'
e2e_settle desk
shot_until stayed '[ "$(pixel stayed $((px + 320)) $((py + 240)))" = "255,255,255" ]'
[ "$(pixel stayed $((px + 320)) $((py + 240)))" = "255,255,255" ] || fail "the question's place is not drawn again"
running "$e2e_pid" || fail "No did not keep the program open"
[ "$(dark_pixels stayed 100 295 200 10)" -gt 100 ] || fail "the painting is gone after No"

focus_key alt+F4 "$(e2e_window)"
e2e_wait_until 10 asked "Leave anyway?" || fail "Alt+F4 left without asking"
answer yes
e2e_wait_end "$e2e_pid" 20 || fail "Yes did not close the program"
e2e_end "messages end to end: passed"
