#!/usr/bin/env bash
# A grown-up's print budget on the real program and the PDF printer: one copy a day (in the
# user's own policy file). The first print goes through the real print dialog; the second, and
# the next after the program is started again, get the "not now" card and no dialog.
# Usage: print_budget_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
pdf_dir=${COLVANE_PDF_DIR:-$HOME/PDF}
user_settings="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Colvane"
trap 'e2e_cleanup; rm -rf "$user_settings"' EXIT
rm -rf "$user_settings"
mkdir -p "$user_settings"
printf '[Policy]\r\nPrintsPerDay=1\r\n' > "$user_settings/ColvanePolicy.ini"
lw=$((variant == 800 ? 800 : 640)) lh=$((variant == 800 ? 600 : 480))
card_x=$((ox + lw / 2 + 170)) card_y=$((oy + lh / 2 - 70))
card_up() { shot card; [ "$(pixel card $card_x $card_y)" = "255,250,232" ]; }
jobs() { find "$pdf_dir" -name '*07362*.pdf' -newer "$user_settings/ColvanePolicy.ini" 2>/dev/null | wc -l; }

# print: the open file box's print button; "dialog" when the print dialog came (and was
# answered), "card" when the card came instead.
print() {
  xdotool windowfocus --sync "$(e2e_window)" 2>/dev/null
  press CARTOON "PRINTCORD$digit"
  local dialog="" i
  for i in $(seq 1 50); do
    dialog=$(shown Print)
    [ -n "$dialog" ] && break
    card_up && break
    sleep 0.1
  done
  if [ -n "$dialog" ]; then
    xdotool windowfocus --sync "$dialog" 2>/dev/null
    xdotool key Return
    echo dialog
  elif card_up; then
    xdotool mousemove "$card_x" "$card_y" click 1
    echo card
  else
    echo nothing
  fi
  e2e_settle
}

e2e_settings "$stage"
e2e_start "$stage/colvane.exe" "$out/colvane.log"
hdrag 100 300 300
press CARTOON "FILEPAGECORD$digit"
e2e_settle
[ "$(print first)" = dialog ] || fail "the first print of the day did not open the print dialog"
e2e_wait_until 20 eval '[ "$(jobs)" = 1 ]' || fail "the first print made $(jobs) PDF files"
[ "$(print second)" = card ] || fail "the second print of the day did not get the card"
grep -q 'Copies=1' "$user_settings/Colvane.ini" || fail "the copy was not counted: $(cat "$user_settings/Colvane.ini")"

kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null
e2e_start "$stage/colvane.exe" "$out/colvane-again.log"
press CARTOON "FILEPAGECORD$digit"
e2e_settle
[ "$(print after-restart)" = card ] || fail "after a restart the day's budget was open again"
sleep 2
[ "$(jobs)" = 1 ] || fail "$(jobs) PDF files after the budget was used up"
e2e_end "one copy a day: printed once, then the card, also after a restart"
