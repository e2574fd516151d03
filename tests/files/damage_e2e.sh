#!/usr/bin/env bash
# Damaged recovery copies on the real program: a copy holding only its head, its head and junk,
# or its head and a torn picture, each newer than the start picture it names. The program starts
# on the picture itself, is left with the exit button, and the picture is byte for byte as it was
# while the copy waits aside as RECOVER.BAD.
# Usage: damage_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_program_copy
e2e_start_picture -fill 'rgb(0,0,255)' -draw 'rectangle 100,100 300,200'
picture="$out/assets/CUST/BOX1/Start1.sam"
touch -d '-1 hour' "$picture"
before=$(md5sum <"$picture")
convert -size 640x480 xc:black -type TrueColor "BMP3:$out/black.bmp"

# A recovery head naming BOX1\Start1.sam: "CVRC", version 1, the two lengths, the two names.
copy_head() { printf 'CVRC\001\000\004\000\012\000BOX1Start1.sam'; }
for damage in head junk torn; do
  copy="$out/assets/RECOVER.DAT"
  case $damage in
    head) copy_head >"$copy" ;;
    junk) { copy_head; head -c 3000 /dev/urandom; } >"$copy" ;;
    torn) { copy_head; head -c 460000 "$out/black.bmp"; } >"$copy" ;;
  esac
  cp "$copy" "$out/$damage.dat"
  e2e_start "$out/program/colvane.exe" "$out/colvane-$damage.log"
  shot "start-$damage"
  check "start-$damage" "p(200, 150) == (0, 0, 255)" "white(50, 50)" "white(400, 400)"
  # Left with the exit button; a press on the darkened exit screen ends it at once.
  press CARTOON EXITCORD8
  e2e_wait_until 10 eval 'shot bye; [ "$(dark_pixels bye 50 40 100 1)" -ge 50 ]' || fail "$damage: no exit screen"
  xdotool click 1
  e2e_wait_end "$e2e_pid" 15 || fail "$damage: the program did not end"
  [ "$(md5sum <"$picture")" = "$before" ] || fail "$damage: the picture was written over"
  [ -e "$copy" ] && fail "$damage: the damaged copy is still the recovery copy"
  cmp -s "$out/$damage.dat" "$out/assets/RECOVER.BAD" || fail "$damage: the copy was not set aside whole"
  [ "$(ls "$out/assets/CUST/BOX1")" = "Start1.sam" ] || fail "$damage: other files in the box: $(ls "$out/assets/CUST/BOX1")"
done
e2e_end "damaged recovery copies end to end: passed"
