# Sourced by the end-to-end scripts (after scripts/wine-env and wine_screen_up): starting the
# real program on the 1024x768 test screen and reading its layout file.

# e2e_value INI SECTION KEY: one value of a layout file, without its carriage return.
e2e_value() { sed -n "/^\[$2\]/,/^\[/p" "$1" | tr -d '\r' | sed -n "s/^$3=//p" | head -1; }

# e2e_winpath PATH: the Unix path as Wine's Z: drive sees it.
e2e_winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# e2e_window: the X window of the program's window shown now (the intro or the main window).
e2e_window() { xdotool search --onlyvisible --name '^Colvane Application$' 2>/dev/null | tail -1; }

# e2e_launch EXE LOG: starts the program (ended when the script exits) and waits for its first
# window, the intro; e2e_intro holds it.
e2e_launch() {
  "$WINE64" "$1" </dev/null >"$2" 2>&1 9>&- &
  e2e_pid=$!
  trap 'kill $e2e_pid 2>/dev/null; wait $e2e_pid 2>/dev/null' EXIT
  e2e_intro=""
  for _ in $(seq 1 100); do
    e2e_intro=$(e2e_window)
    [ -n "$e2e_intro" ] && break
    sleep 0.2
  done
}

# e2e_wait_main SECONDS: waits until the main window is on the screen and the intro is gone, that
# is until the main window's start-up is over (the main window exists, unmapped, while it loads,
# and input meanwhile goes to the intro); 1 when that did not happen in time.
e2e_wait_main() {
  local shown
  for _ in $(seq 1 $(($1 * 10))); do
    shown=$(xdotool search --onlyvisible --name '^Colvane Application$' 2>/dev/null)
    if [ -n "$shown" ] && ! printf '%s\n' "$shown" | grep -qx -- "$e2e_intro"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# e2e_start EXE LOG: starts the program, skips the intro with a click and waits for the main
# window and its first paint.
e2e_start() {
  e2e_launch "$1" "$2"
  sleep 0.3
  xdotool mousemove 5 5 click 1
  e2e_wait_main 20 || echo "the main window did not open after the intro"
  sleep 2
}

# e2e_fresh_stage STAGE OUT: an empty OUT holding a copy of the staged content with no pictures
# of the child's and no recovery copy; stage and lib name the copy and its picture library.
e2e_fresh_stage() {
  rm -rf "$2"
  mkdir -p "$2"
  stage="$2/stage"
  cp -a "$1" "$stage"
  lib="$stage/CUST"
  rm -rf "$lib/MY PICTURES" "$stage/RECOVER.DAT"
}

# e2e_start_staged STAGE OUT: the settings file points the program at the staged content, which
# is started from there with its log in OUT. Each start is a fresh one: a recovery copy left by
# an earlier script that ended the program mid-picture is removed first.
e2e_start_staged() {
  mkdir -p "$2"
  rm -f "$1/RECOVER.DAT"
  printf '[FILE]\r\nPATH=%s\r\n' "$(e2e_winpath "$1")" > "$WINEPREFIX/drive_c/windows/system32/Colvane.ini"
  e2e_start "$1/colvane.exe" "$2/colvane.log"
}

# e2e_paper_origin INI: px, py = the paper's screen position (the 800 x 600 layout is centred on
# the 1024 x 768 screen at 112, 84).
e2e_paper_origin() {
  local paper
  paper=$(e2e_value "$1" 800 PAPERORG)
  px=$((112 + ${paper%,*}))
  py=$((84 + ${paper#*,}))
}

# Driving the paper with real X input. Canvas points are relative to px, py; `post` names the
# post_command.exe that sends commands; screenshots go to $out. fail sets status=1.
fail() { echo "FAIL: $*"; status=1; }
send() { "$WINE64" "$post" "$@" </dev/null >/dev/null 2>&1 9>&- || fail "command $* not delivered"; }
move() { xdotool mousemove $((px + $1)) $((py + $2)); }
# drag X0 Y0 X1 Y1 ...: press at the first canvas point, move through the others, release.
drag() {
  move "$1" "$2"
  xdotool mousedown 1
  shift 2
  while [ $# -ge 2 ]; do
    move "$1" "$2"
    sleep 0.02
    shift 2
  done
  xdotool mouseup 1
  sleep 0.3
}
# click X Y [BUTTON]
click() {
  move "$1" "$2"
  xdotool click "${3:-1}"
  sleep 0.3
}
# shot NAME: $out/NAME.png and its raw RGB bytes $out/NAME.rgb (1024 x 768 x 3).
shot() {
  xwd -root -silent -display "$DISPLAY" | convert xwd:- "$out/$1.png"
  convert "$out/$1.png" -depth 8 "rgb:$out/$1.rgb"
}
