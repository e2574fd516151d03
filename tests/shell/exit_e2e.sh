#!/usr/bin/env bash
# Leaving the real program on a 1024x768 screen: a click on the exit button darkens the screen,
# the goodbye card rises into the middle and stays there, and the program ends by itself. The
# time from the release of the exit button to the end of the process is printed and must stay
# within six seconds: the card's side and the closing wait set it, not the machine's speed.
#
# Xvfb runs no window manager, and Wine waits two seconds for one to confirm every hide of a
# window it lets a window manager handle, the full-screen window's last hide included. So the
# staged program runs here as a copy named goodbye.exe, which the prefix's per-program settings
# leave to Wine itself (X11 Driver, Managed=N), the way a desktop with a window manager behaves.
# Usage: exit_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
mkdir -p "$out/program"
cp "$stage"/*.dll "$ini" "$stage/advert.sys" "$out/program/"
cp "$stage/colvane.exe" "$out/program/goodbye.exe"
ln -s "$stage/art" "$stage/data" "$out/program/"
timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\AppDefaults\goodbye.exe\X11 Driver' /v Managed /d N /f \
  </dev/null >/dev/null 2>&1 9>&- || { echo "FAIL: the per-program setting was not written"; exit 1; }
e2e_settings "$out/program"
e2e_start "$out/program/goodbye.exe" "$out/colvane.log"

# bright: the percentage of bright pixels in the card's square in the middle of the screen.
card=$(convert "bmp:$stage/advert.sys" -format '%w' info:)
bright() {
  convert "$out/goodbye.png" -crop "${card}x${card}+$(((screen_w - card) / 2))+$(((screen_h - card) / 2))" +repage \
    -fx '(r+g+b)/3 > 0.6' -format '%[fx:int(mean*100)]' info:
}

# grey: the mean grey and its spread (0..255) of the white paper beside the card.
grey() {
  convert "$out/goodbye.png" -crop "100x100+$((px + 20))+$((py + 20))" +repage -colorspace Gray \
    -format '%[fx:int(mean*255)] %[fx:int(standard_deviation*255)]' info:
}

xdotool mousemove $(centre CARTOON EXITCORD8) mousedown 1
start=$(date +%s%N)
xdotool mouseup 1
# The screen dims, and the card rises and stands whole in the middle during the closing wait.
shot_until goodbye '[ "$(bright)" -ge 40 ] && [ "$(grey | cut -d" " -f1)" -le 140 ]'
running "$e2e_pid" || fail "the program ended before the goodbye card was seen"
e2e_wait_end "$e2e_pid" 15
end=$(date +%s%N)
if running "$e2e_pid"; then
  fail "the program did not end by itself within 19 seconds of the exit click"
else
  wait "$e2e_pid"; code=$?
  [ $code = 0 ] || fail "the program ended with exit code $code"
fi
ms=$(((end - start) / 1000000))
echo "exit click to process end: $ms ms"
[ $ms -le 6000 ] || fail "leaving took $ms ms, more than 6 s"

# The card: a bright square in the screen's middle, over the darkened picture.
[ "$(bright)" -ge 40 ] || fail "no goodbye card in the middle of the screen ($(bright)% bright)"
# The dimming is even: the white paper beside the card turns one flat, darker colour (no dots,
# no stripes), and the card is big enough to see from the child's chair.
read -r mean spread <<<"$(grey)"
[ "$mean" -le 140 ] || fail "the screen behind the card is not dimmed (grey $mean)"
[ "$spread" -le 3 ] || fail "the screen behind the card is not dimmed evenly (spread $spread)"
[ "$card" -ge $((screen_h / 5)) ] || fail "the goodbye card is $card pixels, too small on a $screen_h-row screen"
e2e_end "exit checked: $out/goodbye.png"
