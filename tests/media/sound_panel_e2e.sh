#!/usr/bin/env bash
# The sound panel of the staged program on a real screen, driven by real X input: a screenshot
# of the panel, the music switch changing its look and back, the disc showing another tune's
# name and, after eight presses, the first again; the hand over the controls.
# Usage: sound_panel_e2e.sh SCREEN STAGE_DIR OUT_DIR   (SCREEN: 1024x768x24 or 640x480x24)
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
e2e_start_staged
w=$screen_w
IFS=, read -r sx sy <<<"$(cartoon "SOUNDCORD$digit")"
read -r pw ph <<<"$(bmp_size "$(cartoon "SOUNDON$digit")")"
rect() { cartoon "$1$digit"; }
# panel NAME: the panel as it is now, once it holds still, cropped from a screenshot.
panel() {
  e2e_settle "${pw}x${ph}+$((ox + sx))+$((oy + sy))"
  xwd -root -silent -display "$DISPLAY" | convert xwd:- -crop "${pw}x${ph}+$((ox + sx))+$((oy + sy))" +repage "$out/$1.png"
}
hit() { press CARTOON "$1$digit"; }  # a click in the middle of a panel rectangle

panel "sound-panel-$w"
[ "$(convert "$out/sound-panel-$w.png" -format '%[fx:int(255*mean)]' info:)" -gt 40 ] || fail "the panel is not drawn"
# the tune's name on the disc: dark letters on the light strip
IFS=, read -r l t r b <<<"$(rect DISCCORD)"
dark=$(convert "$out/sound-panel-$w.png" -crop "$((r - l - (b - t)))x$((b - t))+$((l - sx))+$((t - sy))" +repage \
  -colorspace gray -threshold 40% -format '%[fx:int(w*h*(1-mean))]' info:)
[ "$dark" -gt 20 ] || fail "no tune name on the disc ($dark dark pixels)"

hit MUSICCORD
panel music-off
same "sound-panel-$w" music-off && fail "the music switch did not change its look"
hit MUSICCORD
panel music-on
same "sound-panel-$w" music-on || fail "the music switch did not come back"

hit DISCCORD
panel next-tune
same "sound-panel-$w" next-tune && fail "the disc did not show the next tune"
for _ in 2 3 4 5 6 7 8; do hit DISCCORD; panel pressed; done
panel eighth-tune
same "sound-panel-$w" eighth-tune || fail "eight presses did not come back to the first tune"

# the hand over the disc, not over the panel's rim
xdotool mousemove $((ox + sx + 2)) $((oy + sy + ph - 2)); rim=$(cursor)
xdotool mousemove $(centre CARTOON "DISCCORD$digit"); over=$(cursor)
[ "$rim" != "$over" ] || fail "the cursor does not change over the disc"
shot "screen-$w"
e2e_end "sound panel screenshot checked: $out/sound-panel-$w.png"
