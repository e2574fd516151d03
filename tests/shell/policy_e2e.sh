#!/usr/bin/env bash
# The grown-ups' locks on the real program, each tried on every way a child (or a program) can
# ask: the button, the key, the posted command and the window message. A lock holds on all of
# them with its card; nothing is quit, exported, printed, thrown away or made. Then the way out
# for a grown-up: the keys held three seconds after a refused quit end the program with the
# painting kept; and the same keys at another time open the grown-ups' screen, whose choices
# are kept in the user's own policy file. The computer's policy also starts on a blank page and
# keeps the pictures in a class folder of its own.
# Usage: policy_e2e.sh SCREEN STAGE_DIR OUT_DIR POST_COMMAND_EXE BOX_PROBE_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
home="$WINEPREFIX/drive_c/users/$(id -un)"
user_settings="$home/AppData/Roaming/Colvane"
machine_policy="$WINEPREFIX/drive_c/windows/system32/ColvanePolicy.ini"
# The prefix is shared: no policy may outlive this script.
trap 'e2e_cleanup; rm -rf "$user_settings" "$machine_policy"' EXIT
rm -rf "$user_settings"
lib="$out/class pictures"
printf '[Policy]\r\nNoQuit=1\r\nNoPrint=1\r\nNoExport=1\r\nNoDelete=1\r\nNoNewBox=1\r\nPrintsPerDay=-2\r\n' \
  > "$machine_policy"
printf 'StartBlank=1\r\nLibraryFolder=%s\r\n' "$(e2e_winpath "$lib")" >> "$machine_policy"
mkdir -p "$lib/MY PICTURES"
convert -size 640x480 xc:blue -type TrueColor "BMP3:$lib/MY PICTURES/Extra.sam"
e2e_settings "$stage" "MY PICTURES" Extra.sam
e2e_start "$stage/colvane.exe" "$out/colvane.log"
e2e_settle desk; shot start
check start "white(320, 240)"  # a blank page, not the blue picture the settings name
wid=$(e2e_window)
boxes() { "$WINE64" "$probe" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }

# The card: its cream paper right of the middle, above the words.
lw=$((variant == 800 ? 800 : 640)) lh=$((variant == 800 ? 600 : 480))
card_x=$((ox + lw / 2 + 170)) card_y=$((oy + lh / 2 - 70))
card_up() { shot card; [ "$(pixel card $card_x $card_y)" = "255,250,232" ]; }
# expect_card WHAT: the card came, and a click puts it away.
expect_card() {
  e2e_wait_until 5 card_up || fail "$1: no card"
  [ -f "$out/first-card.png" ] || cp "$out/card.png" "$out/first-card.png"
  xdotool mousemove "$card_x" "$card_y" click 1
  e2e_wait_until 5 eval '! card_up' || fail "$1: the card stays after a click"
}
no_window() { sleep 1; [ -z "$(shown "$1")" ] || { fail "$2: the $1 window came"; xdotool key --window "$(shown "$1")" Escape; }; }

hdrag 100 300 300
e2e_settle desk

# --- No quitting, by every route ---
for route in button key command close sysclose; do
  case $route in
    button) press CARTOON "EXITCORD$digit" ;;
    key) focus_key alt+F4 "$wid" ;;
    command) send 4002 ;;
    close | sysclose) send "$route" ;;
  esac
  expect_card "quit by $route"
  running "$e2e_pid" || { fail "quit by $route ended the program"; e2e_end ""; }
done

# --- The file box's locks: export, print, new box, throwing away ---
press CARTOON "FILEPAGECORD$digit"
e2e_settle
thumb() { echo $((ox + 28 + $1 * 156 + 74)) $((oy + 176 + 58)); }
for route in button command; do
  for lock in export print newbox; do
    case $lock in
      export) id=5006 key=SAVECORD title=Export ;;
      print) id=5007 key=PRINTCORD title=Print ;;
      newbox) id=5005 key=BOXNEWCORD title="" ;;
    esac
    if [ $route = button ]; then press CARTOON "$key$digit"; else send "post:$id"; fi
    expect_card "$lock by $route"
    [ -z "$title" ] || no_window "$title" "$lock by $route"
  done
done
send post:8010  # the new box's "done", as if an edit had been typed
expect_card "newbox by its done command"
[ "$(find "$lib" -mindepth 1 -maxdepth 1 -type d | wc -l)" = 1 ] || fail "a new box was made: $(ls "$lib")"
# Throwing away: dropped on the bin, and the Delete key.
read -r tx ty <<<"$(thumb 0)"
read -r bx by <<<"$(centre CARTOON "GABAGEA$digit")"
xdotool mousemove "$tx" "$ty" mousedown 1
for s in 1 2 3 4 5 6 7 8; do xdotool mousemove $((tx + (bx - tx) * s / 8)) $((ty + (by - ty) * s / 8)); done
xdotool mouseup 1
expect_card "throwing away on the bin"
xdotool mousemove "$tx" "$ty" click 1
focus_key Delete "$wid"
expect_card "throwing away by Delete"
[ -z "$(find "$lib/MY PICTURES" -path '*Bin*' -name '*.sam')" ] || fail "a picture went into the bin"
[ "$(find "$lib/MY PICTURES" -maxdepth 1 -name '*.sam' | wc -l)" = 2 ] || fail "a picture is gone from its box"
press CARTOON "FILEPAGECORD$digit"  # the way back from the box
e2e_settle

# --- The grown-ups' screen: the keys held, a choice kept in the user's file, locks shown ---
hold_chord() { xdotool keydown ctrl+shift+g; sleep 3.6; xdotool keyup ctrl+shift+g; }
xdotool windowfocus --sync "$wid" 2>/dev/null
hold_chord
e2e_settle; shot grown-ups
card_up && fail "the chord at an ordinary time showed a card"
# Undo steps (left column, eleventh line) two more, then Keep.
sheet_x=$((ox + (lw - 640) / 2)) sheet_y=$((oy + (lh - 480) / 2))
xdotool mousemove $((sheet_x + 320)) $((sheet_y + 78 + 10 * 28 + 12)) click 1 click 1
xdotool mousemove $((sheet_x + 546)) $((sheet_y + 430)) click 1
e2e_wait_until 5 grep -q 'UndoSteps=3' "$user_settings/ColvanePolicy.ini" 2>/dev/null ||
  fail "the grown-ups' screen did not keep undo steps 3: $(cat "$user_settings/ColvanePolicy.ini" 2>/dev/null)"
grep -q 'NoQuit' "$user_settings/ColvanePolicy.ini" 2>/dev/null && fail "a locked choice went into the user's file"
e2e_settle
[ -z "$(boxes)" ] || fail "a message box came: $(boxes)"

# --- The way out: a refused quit, then the keys held three seconds ---
kept=$(find "$lib/MY PICTURES" -maxdepth 1 -name 'Sample*.sam' | head -1)
[ -n "$kept" ] || fail "the file box did not keep the painting"
before=$(md5sum < "$kept" 2>/dev/null)
hdrag 100 350 300
press CARTOON "EXITCORD$digit"
e2e_wait_until 5 card_up || fail "the exit button showed no card"
hold_chord
e2e_wait_end "$e2e_pid" 20 || fail "the keys held after a refused quit did not end the program"
[ "$(md5sum < "$kept" 2>/dev/null)" != "$before" ] || fail "the last stroke was not kept on the way out"
e2e_end "every lock held on every route; the grown-ups' screen kept its choice; the keys ended the program"
