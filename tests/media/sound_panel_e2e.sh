#!/usr/bin/env bash
# The sound panel of the staged program on a real screen, driven by real X input: a screenshot
# of the panel, the music switch changing its look and back, the disc showing another tune's
# name and, after eight presses, the first again; the hand over the controls.
# Usage: sound_panel_e2e.sh SCREEN STAGE_DIR OUT_DIR   (SCREEN: 1024x768x24 or 640x480x24)
set -u
screen=$1
stage=$2
out=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up "$screen" 9>&-
mkdir -p "$out"
e2e_start_staged "$stage" "$out"
status=0
w=${screen%%x*}
rest=${screen#*x}
h=${rest%%x*}
ox=0; oy=0; d=8
[ "$w" -gt 800 ] && ox=$(((w - 800) / 2))
[ "$h" -gt 600 ] && oy=$(((h - 600) / 2))
[ "$w" -le 640 ] && d=6
ini="$stage/Colvane.ini"
IFS=, read -r sx sy <<<"$(e2e_value "$ini" CARTOON "SOUNDCORD$d")"
read -r pw ph <<<"$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(26); w,h=struct.unpack("<ii",d[18:26]); print(w,abs(h))' \
  "$stage/$(e2e_value "$ini" CARTOON "SOUNDON$d" | tr '\\' /)")"
rect() { e2e_value "$ini" CARTOON "$1$d"; }
# panel NAME: the panel as it is now, cropped from a screenshot.
panel() {
  xwd -root -silent -display "$DISPLAY" | convert xwd:- -crop "${pw}x${ph}+$((ox + sx))+$((oy + sy))" +repage "$out/$1.png"
}
same() { [ "$(convert "$out/$1.png" rgb:- | md5sum)" = "$(convert "$out/$2.png" rgb:- | md5sum)" ]; }
press() {  # press RECT_KEY: a click in the middle of the rectangle
  IFS=, read -r l t r b <<<"$(rect "$1")"
  xdotool mousemove $((ox + (l + r) / 2)) $((oy + (t + b) / 2)) click 1
  sleep 0.6
}

panel "sound-panel-$w"
[ "$(convert "$out/sound-panel-$w.png" -format '%[fx:int(255*mean)]' info:)" -gt 40 ] || { echo "FAIL: the panel is not drawn"; status=1; }
# the tune's name on the disc: dark letters on the light strip
IFS=, read -r l t r b <<<"$(rect DISCCORD)"
dark=$(convert "$out/sound-panel-$w.png" -crop "$((r - l - (b - t)))x$((b - t))+$((l - sx))+$((t - sy))" +repage \
  -colorspace gray -threshold 40% -format '%[fx:int(w*h*(1-mean))]' info:)
[ "$dark" -gt 20 ] || { echo "FAIL: no tune name on the disc ($dark dark pixels)"; status=1; }

press MUSICCORD
panel music-off
same "sound-panel-$w" music-off && { echo "FAIL: the music switch did not change its look"; status=1; }
press MUSICCORD
panel music-on
same "sound-panel-$w" music-on || { echo "FAIL: the music switch did not come back"; status=1; }

press DISCCORD
panel next-tune
same "sound-panel-$w" next-tune && { echo "FAIL: the disc did not show the next tune"; status=1; }
for _ in 2 3 4 5 6 7 8; do press DISCCORD; done
panel eighth-tune
same "sound-panel-$w" eighth-tune || { echo "FAIL: eight presses did not come back to the first tune"; status=1; }

# the hand over the disc, not over the panel's rim
xdotool mousemove $((ox + sx + 2)) $((oy + sy + ph - 2)); sleep 0.2; xdotool mousemove_relative 1 0; sleep 0.3
rim=$(python3 "$root/tests/support/cursor_image.py")
xdotool mousemove $((ox + (l + r) / 2)) $((oy + (t + b) / 2)); sleep 0.2; xdotool mousemove_relative 1 0; sleep 0.3
over=$(python3 "$root/tests/support/cursor_image.py")
[ "$rim" != "$over" ] || { echo "FAIL: the cursor does not change over the disc"; status=1; }
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/screen-$w.png"
[ $status = 0 ] && echo "sound panel screenshot checked: $out/sound-panel-$w.png"
exit $status
