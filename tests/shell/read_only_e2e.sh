#!/usr/bin/env bash
# A standard account's view of an install: the settings file in the system folder, the program
# folder, or both can't be written (read-only bind mounts, as Windows refuses a non-administrator).
# Each time a child paints, leaves and starts again: the picture is back on the paper and no
# message box came, because the program kept its place in the user's own settings file and the
# picture in the user's own library.
# Usage: read_only_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE BOX_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
home="$WINEPREFIX/drive_c/users/$(id -un)"
user_settings="$home/AppData/Roaming/Colvane"
user_library="$home/Documents/Colvane Pictures"
boxes() { "$WINE64" "$probe" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }
locked=()
lock() { mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && locked+=("$1"); }
unlock_all() {
  local p
  for p in "${locked[@]}"; do umount "$p"; done
  locked=()
  # The prefix is shared, and Documents may be the Unix home: nothing of this may stay.
  rm -rf "$user_settings" "$user_library"
}
trap 'e2e_cleanup; unlock_all' EXIT
stroke_dark() { dark_pixels "$1" 100 295 200 10; }

# round NAME SETTINGS_LOCKED PROGRAM_LOCKED
round() {
  local name=$1 before kept box file
  unlock_all
  rm -rf "$lib/MY PICTURES" "$stage/RECOVER.DAT"
  e2e_settings "$stage"
  before=$(md5sum < "$settings")
  if [ "$2" = 1 ]; then lock "$settings" || { fail "$name: the settings file could not be locked"; return; }; fi
  if [ "$3" = 1 ]; then lock "$stage" || { fail "$name: the program folder could not be locked"; return; }; fi

  e2e_start "$stage/colvane.exe" "$out/$name-first.log"
  drag 100 300 150 300 200 300 250 300 300 300
  shot_until "$name-painted" '[ "$(stroke_dark '"$name"'-painted)" -gt 200 ]'
  [ "$(stroke_dark "$name-painted")" -gt 200 ] || fail "$name: the stroke was not painted"
  press CARTOON EXITCORD8
  e2e_wait_end "$e2e_pid" 30 || fail "$name: the program did not end after the exit button"

  [ "$2" = 0 ] || [ "$(md5sum < "$settings")" = "$before" ] || fail "$name: the read-only settings file changed"
  kept=$(find "$lib/MY PICTURES" "$user_library/MY PICTURES" -name '*.sam' 2>/dev/null)
  if [ "$3" = 1 ]; then
    case "$kept" in "$user_library/MY PICTURES/"*) ;; *) fail "$name: the picture is not in the user's library: '$kept'" ;; esac
  else
    case "$kept" in "$lib/MY PICTURES/"*) ;; *) fail "$name: the picture is not in the program's library: '$kept'" ;; esac
  fi

  e2e_start "$stage/colvane.exe" "$out/$name-second.log"
  shot "$name-again"
  [ "$(stroke_dark "$name-again")" -gt 200 ] || fail "$name: the picture is not back on the paper"
  [ -z "$(boxes)" ] || fail "$name: a message box came: $(boxes)"
  press CARTOON EXITCORD8
  e2e_wait_end "$e2e_pid" 30 || fail "$name: the program did not end the second time"
}

round settings 1 0
round program 0 1
round both 1 1
e2e_end "settings, program folder and both read-only: each time the picture came back with no message box"
