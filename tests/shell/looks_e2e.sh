#!/usr/bin/env bash
# What the child sees of the finished looks, on the real program driven by real X input: a
# picture carried over the file box's bin passes behind it and the bin opens its lid, and the
# open category of the library keeps its chosen look on its button. Screenshots stay in OUT_DIR.
# Usage: looks_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_fresh_stage
mkdir -p "$lib/MY PICTURES"
cp "$lib/SAMPLE/Sample2.sam" "$lib/MY PICTURES/Extra.sam"
e2e_start_staged

# frame_md5 FILE FRAME_WIDTH FRAME: a digest of one frame of a staged strip bitmap.
frame_md5() {
  local h
  h=$(convert "bmp:$stage/$(printf '%s' "$1" | tr '\\' /)" -format '%h' info:)
  convert "bmp:$stage/$(printf '%s' "$1" | tr '\\' /)" -crop "$2x$h+$(($2 * $3))+0" +repage rgb:- | md5sum
}
# on_screen NAME X Y W H: a digest of a layout rectangle of a screenshot.
on_screen() { crop_md5 "$1" "$(geom "$2" "$3" "$4" "$5")"; }

# The file box: the first thumbnail carried onto the bin and held there.
press CARTOON "FILEPAGECORD$digit"
e2e_settle
IFS=, read -r tl tt _ _ <<<"$(layout FILE_IN_BOX)"
IFS=, read -r bl bt br bb <<<"$(cartoon "GABAGEA$digit")"
x0=$((tl + 8 + 74)) y0=$((tt + 8 + 58)) x1=$(((bl + br) / 2)) y1=$(((bt + bb) / 2))
at "$x0" "$y0"
xdotool mousedown 1
for s in 1 2 3 4 5 6 7 8; do at $((x0 + (x1 - x0) * s / 8)) $((y0 + (y1 - y0) * s / 8)); sleep 0.05; done
e2e_settle
shot over_bin
bin_w=$(cartoon GABAGESW)
read -r _ bin_h <<<"$(bmp_size "$(cartoon GABAGES)")"
frames=$(($(bmp_size "$(cartoon GABAGES)" | cut -d' ' -f1) / bin_w))
[ "$(on_screen over_bin "$bl" "$bt" "$bin_w" "$bin_h")" = "$(frame_md5 "$(cartoon GABAGES)" "$bin_w" $((frames - 1)))" ] ||
  fail "the bin is not shown whole with its lid open while a picture is over it"
at "$x0" "$y0"
xdotool mouseup 1
e2e_settle
[ -f "$lib/MY PICTURES/Extra.sam" ] || fail "a picture carried back from the bin was thrown away"
press CARTOON "FILEPAGECORD$digit"
e2e_settle desk

# The library: the chosen category's button shows its chosen look while its page is open.
press CARTOON "T2LUCORD$digit"
e2e_settle desk
press CARTOON "PERSONA$digit"
e2e_settle desk
shot library
IFS=, read -r cl ct _ _ <<<"$(cartoon "PERSONA$digit")"
[ "$(on_screen library "$cl" "$ct" "$(cartoon PERSONPW)" 46)" = "$(frame_md5 "$(cartoon PERSONP)" "$(cartoon PERSONPW)" 0)" ] ||
  fail "the open category's button does not show it chosen"
e2e_end "looks checked: $out/over_bin.png, $out/library.png"
