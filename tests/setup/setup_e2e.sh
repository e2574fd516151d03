#!/usr/bin/env bash
# The setup program in a fresh Wine prefix, with Wine's own Program Manager server: a silent
# install; the group, its items, the settings file, the Uninstall key and the uninstall log; the
# program started from its item paints and keeps the picture; an upgrade keeps picture and
# settings; a second product registers the same group; Colvane's uninstall leaves the group to
# it and nothing else of Colvane but the pictures; the second uninstall removes the group; an
# install into a 120-character folder with parentheses and a comma starts and paints.
# Usage: setup_e2e.sh SCREEN STAGE_DIR OUT_DIR SETUP_EXE SECOND_SETUP_EXE SETUP_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
setup=$4 second=$5 probe_exe=$6

prefix="$out/prefix"
wine_make_prefix "$prefix"
export WINEPREFIX="$prefix"
trap 'e2e_cleanup; "$WINESERVER" -k 2>/dev/null' EXIT
settings="$prefix/drive_c/windows/system32/Colvane.ini"
folder="$prefix/drive_c/Program Files/Colvane"
group="$prefix/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Colvane"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Colvane'

winrun() { timeout 120 "$WINE64" "$@" </dev/null >/dev/null 2>&1 9>&-; }
probe() { "$WINE64" "$probe_exe" "$@" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }
ini_value() { e2e_value "$settings" "$1" "$2"; }
registered() { "$WINE64" reg query "$key" /v "$1" </dev/null 2>/dev/null 9>&- | tr -d '\r' | sed -n "s/.*$1 *REG_[A-Z_]* *//p"; }
pictures() { find "$1/CUST/MY PICTURES" -name '*.sam' 2>/dev/null | sort; }
# picture_sum FOLDER: one digest of the names and bytes of its pictures.
picture_sum() { pictures "$1" | while read -r f; do echo "$f"; md5sum < "$f"; done | md5sum; }
uninstall() {  # FOLDER: runs its uninstaller, which returns at once, and waits for it to finish
  uninstaller="$1/uninstall.exe"
  winrun "$uninstaller" /S || fail "the uninstaller in $1 did not start"
  e2e_wait_until 30 eval '[ ! -e "$uninstaller" ]' || fail "the uninstaller in $1 did not finish"
  # It deletes itself last but one; the Uninstall key goes after it.
  sleep 1
}

# paint_from_item LINK NAME: starts the program by the shortcut's command line, paints a stroke,
# leaves by the exit button (which keeps the picture) and waits for the program to end.
paint_from_item() {
  local command
  command=$(probe link "$1")
  [ -n "$command" ] || { fail "$1 names no program"; return; }
  sleep 1
  probe folders
  e2e_start "$command" "$out/$2.log"
  drag 100 300 150 300 200 300 250 300 300 300
  shot_until "$2" "[ \"\$(dark_pixels $2 100 295 200 10)\" -gt 200 ]"
  [ "$(dark_pixels "$2" 100 295 200 10)" -gt 200 ] || fail "$command did not paint"
  press CARTOON EXITCORD8
  e2e_wait_end "$e2e_pid" 30 || fail "$command did not end after the exit button"
}

# --- A silent install --------------------------------------------------------------------------
winrun "$setup" /S || fail "the silent setup failed"
[ -f "$folder/colvane.exe" ] && [ -f "$folder/Colvane.chm" ] && [ -f "$folder/CUST/SAMPLE/Sample1.sam" ] ||
  fail "the program, its help file or its samples are not in Program Files\\Colvane"
[ -f "$group/Colvane.lnk" ] && [ -f "$group/Colvane Help.lnk" ] || fail "the group's items are not in the Start menu"
[ "$(probe link "$group/Colvane Help.lnk")" = 'C:\Program Files\Colvane\Colvane.chm' ] || fail "the help item names $(probe link "$group/Colvane Help.lnk")"
[ "$(ini_value FILE PATH)" = 'C:\Program Files\Colvane' ] || fail "the settings file's PATH is '$(ini_value FILE PATH)'"
[ "$(registered DisplayName)" = Colvane ] || fail "no Uninstall key"
[ "$(registered QuietUninstallString)" = '"C:\Program Files\Colvane\uninstall.exe" /S' ] ||
  fail "the quiet uninstall command is '$(registered QuietUninstallString)'"
logged='group Colvane|Colvane
item Colvane|Colvane|Colvane
item Colvane|Colvane|Colvane Help
ini Colvane|C:\windows\system32\Colvane.ini|FILE|PATH'
[ "$(probe logs)" = "$logged" ] || fail "the uninstall log holds: $(probe logs)"

# --- The program from its item; an upgrade keeps picture and settings ----------------------------
paint_from_item "$group/Colvane.lnk" painted
kept=$(pictures "$folder")
[ -n "$kept" ] || fail "no picture was kept in MY PICTURES"
kept_sum=$(picture_sum "$folder")
box=$(ini_value DESKTOP WORKINDIR)
[ -n "$box" ] || fail "the program wrote no settings"
# The upgrade also sets a policy for the computer; its keys are logged like the settings.
winrun "$setup" /S "/POLICY=UndoSteps=5;DwellRadius=20" || fail "the upgrade failed"
[ "$(picture_sum "$folder")" = "$kept_sum" ] ||
  fail "the upgrade changed the pictures"
[ "$(ini_value DESKTOP WORKINDIR)" = "$box" ] || fail "the upgrade lost the settings"
policy="$prefix/drive_c/windows/system32/ColvanePolicy.ini"
[ "$(tr -d '\r' < "$policy" 2>/dev/null | tr '\n' ' ')" = "[Policy] UndoSteps=5 [Access] DwellRadius=20 " ] ||
  fail "the policy file holds: $(cat "$policy" 2>/dev/null)"
logged="$logged
ini Colvane|C:\windows\system32\ColvanePolicy.ini|Policy|UndoSteps
ini Colvane|C:\windows\system32\ColvanePolicy.ini|Access|DwellRadius"
# The log lists its records in key order.
[ "$(probe logs | sort)" = "$(sort <<<"$logged")" ] || fail "the upgrade logged again: $(probe logs)"

# --- A second product in the same group; Colvane leaves first --------------------------------------
winrun "$second" /S || fail "the second product's setup failed"
[ -f "$group/Story Corner.lnk" ] || fail "the second product's item is not in the group"
uninstall "$folder"
[ -d "$group" ] && [ -f "$group/Story Corner.lnk" ] || fail "Colvane's uninstall removed the shared group or its other item"
[ ! -e "$group/Colvane.lnk" ] && [ ! -e "$group/Colvane Help.lnk" ] || fail "Colvane's items are still in the group"
left=$(cd "$folder" && find . -mindepth 1 ! -path './CUST' ! -path './CUST/*' | head -5)
[ -z "$left" ] || fail "the uninstall left in Program Files\\Colvane: $left"
[ "$(picture_sum "$folder")" = "$kept_sum" ] ||
  fail "the uninstall did not keep the child's picture"
[ ! -e "$settings" ] || fail "the settings file is left: $(tr -d '\r' < "$settings" | tr '\n' ' ')"
[ ! -e "$policy" ] || fail "the policy file is left: $(tr -d '\r' < "$policy" | tr '\n' ' ')"
[ -z "$(registered DisplayName)" ] || fail "the Uninstall key is left"
probe logs | grep -q '^[a-z]* Colvane|' && fail "Colvane is left in the uninstall log: $(probe logs)"
uninstall "$prefix/drive_c/Program Files/Story Corner"
[ ! -e "$group" ] || fail "the group is left after both uninstalls"
[ -z "$(probe logs)" ] || fail "the uninstall log is not empty: $(probe logs)"

# --- An install folder of 120 characters with parentheses and a comma ------------------------------
name='C:\Colvane (Art, Kids) '
long="$name$(printf '%*s' $((120 - ${#name})) '' | tr ' ' x)"
timeout 120 "$WINE64" "$probe_exe" run "$(e2e_winpath "$setup") /S /D=$long" </dev/null >/dev/null 2>&1 9>&- || fail "the setup into $long failed"
[ "$(ini_value FILE PATH)" = "$long" ] || fail "the settings file's PATH is '$(ini_value FILE PATH)'"
[ "$(probe link "$group/Colvane.lnk")" = "$long\\colvane.exe" ] || fail "the item names $(probe link "$group/Colvane.lnk")"
paint_from_item "$group/Colvane.lnk" long
[ $status = 0 ] && { "$WINESERVER" -k 2>/dev/null; "$WINESERVER" -w; rm -rf "$prefix"; }
e2e_end "installed, painted, upgraded, shared and uninstalled; installed into a 120-character folder"
