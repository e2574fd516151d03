#!/usr/bin/env bash
# The program started from a folder whose Windows path is 120 characters long and holds
# parentheses and a comma, with no settings file, so it finds its layout and art through its own
# folder: the frame is drawn around the paper and a stroke paints.
# Usage: long_folder_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
name="Colvane (Art, Kids) "
pad=$((120 - ${#out} - 3 - ${#name}))  # "Z:" + out + "/" + name + pad
[ $pad -ge 1 ] || { echo "the output folder is too long for this test"; exit 1; }
folder="$out/$name$(printf '%*s' $pad '' | tr ' ' x)"
windows=$(e2e_winpath "$folder")
[ ${#windows} = 120 ] || { echo "the folder's path is ${#windows} characters, not 120"; exit 1; }
cp -a "$stage" "$folder"
rm -rf "$folder/CUST/MY PICTURES" "$folder/RECOVER.DAT"
rm -f "$settings"
e2e_start "$folder/colvane.exe" "$out/colvane.log"
shot start
[ "$(pixel start $((px + 320)) $((py + 240)))" = "255,255,255" ] || fail "the paper is not white"
drawn=0
for x in 130 200 300 420 560 700 780 860 900; do
  for y in 100 300 500 640 670; do
    if [ $x -ge $px ] && [ $x -lt $((px + 640)) ] && [ $y -ge $py ] && [ $y -lt $((py + 480)) ]; then continue; fi
    [ "$(pixel start $x $y)" != "0,0,0" ] && drawn=$((drawn + 1))
  done
done
[ $drawn -ge 8 ] || fail "the frame is not drawn ($drawn of the samples)"
stroke_dark() { dark_pixels "$1" 100 295 200 10; }
drag 100 300 150 300 200 300 250 300 300 300
shot_until painted '[ "$(stroke_dark painted)" -gt 200 ]'
[ "$(stroke_dark painted)" -gt 200 ] || fail "the stroke was not painted"
e2e_end "started from $windows: drawn and painted"
