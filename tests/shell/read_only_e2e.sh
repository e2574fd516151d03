#!/usr/bin/env bash
# A standard account's view of an install: the settings file in the system folder can't be
# written (a read-only bind mount, as Windows refuses a non-administrator). A child paints, leaves
# and starts again: the picture is back on the paper and no message box came, because the
# program kept its place in the user's own settings file.
# Usage: read_only_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE BOX_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
user_settings="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Colvane"
boxes() { "$WINE64" "$probe" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }
locked=()
lock() { mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && locked+=("$1"); }
unlock_all() {
  local p
  for p in "${locked[@]}"; do umount "$p"; done
  locked=()
  rm -rf "$user_settings"  # the prefix is shared: no other script may read these settings
}
trap 'e2e_cleanup; unlock_all' EXIT

rm -rf "$user_settings"
e2e_settings "$stage"
before=$(md5sum < "$settings")
lock "$settings" || { echo "FAIL: the settings file could not be made read-only"; exit 1; }

stroke_dark() { dark_pixels "$1" 100 295 200 10; }
e2e_start "$stage/colvane.exe" "$out/first.log"
drag 100 300 150 300 200 300 250 300 300 300
shot_until painted '[ "$(stroke_dark painted)" -gt 200 ]'
[ "$(stroke_dark painted)" -gt 200 ] || fail "the stroke was not painted"
press CARTOON EXITCORD8
[ -z "$(boxes)" ] || fail "a message box came while leaving: $(boxes)"
e2e_wait_end "$e2e_pid" 30 || fail "the program did not end after the exit button"

[ "$(md5sum < "$settings")" = "$before" ] || fail "the read-only settings file changed"
kept=$(e2e_value "$user_settings/Colvane.ini" sample sample)
[ -n "$kept" ] && [ -f "$lib/$(e2e_value "$user_settings/Colvane.ini" DESKTOP WORKINDIR)/$kept" ] ||
  fail "the user's settings file does not name the kept picture"

e2e_start "$stage/colvane.exe" "$out/second.log"
shot again
[ "$(stroke_dark again)" -gt 200 ] || fail "the picture is not back on the paper"
[ -z "$(boxes)" ] || fail "a message box came at the second start: $(boxes)"
e2e_end "settings kept in the user's file while the system's is read-only: the picture came back"
