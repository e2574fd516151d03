# The end-to-end scripts' harness: the set-up, the real program on a test screen, layout values,
# real X input, screenshots with pixel checks, and waits on what the screen or the disk shows.
#
# Each script is called as  SCRIPT SCREEN STAGE_DIR OUT_DIR [POST_COMMAND_EXE [BOX_PROBE_EXE]]
# and begins with
#   . "$(dirname "$0")/../support/e2e.sh"
#   e2e_begin "$@"
# which sets screen, stage, out (emptied), post, probe, ini (the stage's layout file), settings (the
# prefix's settings file), status=0, the layout origin ox, oy and variant (800 or 640) with its key
# digit (8 or 6), and the paper's screen origin px, py. It ends with  e2e_end "what passed".

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

e2e_begin() {
  screen=$1
  stage=$(cd "$2" && pwd) || exit 2
  rm -rf "$3"
  mkdir -p "$3"
  out=$(cd "$3" && pwd)
  post=${4:-}
  probe=${5:-}
  ini="$stage/Colvane.ini"
  . "$e2e_root/scripts/wine-env"
  wine_screen_up "$screen" 9>&-
  settings="$WINEPREFIX/drive_c/windows/system32/Colvane.ini"
  status=0
  e2e_pids=()
  trap e2e_cleanup EXIT
  # The program's own choice: the 800 layout, centred on a larger screen, unless the screen is no
  # wider than 640; a screen no larger than the layout puts it at 0, 0.
  screen_w=${screen%%x*}
  local rest=${screen#*x}
  screen_h=${rest%%x*}
  ox=0 oy=0 variant=800 digit=8
  [ "$screen_w" -gt 800 ] && ox=$(((screen_w - 800) / 2))
  [ "$screen_h" -gt 600 ] && oy=$(((screen_h - 600) / 2))
  [ "$screen_w" -le 640 ] && variant=640 digit=6
  local paper
  paper=$(layout PAPERORG)
  px=$((ox + ${paper%,*}))
  py=$((oy + ${paper#*,}))
  paper_w=640 paper_h=480  # the part of the paper shown
  [ "$screen_w" -le 640 ] && paper_w=482
  [ "$screen_h" -le 480 ] && paper_h=371
  return 0
}

# Every program a script started ends with it.
e2e_cleanup() {
  local pid
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  return 0
}

# e2e_end MESSAGE: the script's verdict; MESSAGE is printed when every check passed.
e2e_end() {
  [ $status = 0 ] && echo "$1"
  exit $status
}

fail() { echo "FAIL: $*"; status=1; }

# --- Layout values -------------------------------------------------------------------------------

# e2e_value INI SECTION KEY: one value of a layout file, without its carriage return.
e2e_value() { sed -n "/^\[$2\]/,/^\[/p" "$1" | tr -d '\r' | sed -n "s/^$3=//p" | head -1; }
layout() { e2e_value "$ini" "$variant" "$1"; }  # a value of this screen's layout section
cartoon() { e2e_value "$ini" CARTOON "$1"; }
detail() { e2e_value "$ini" DETAILTOOL "$1"; }
# centre SECTION KEY: the screen point in the middle of a layout rectangle (left,top,right,bottom).
centre() {
  local l t r b
  IFS=, read -r l t r b <<<"$(e2e_value "$ini" "$1" "$2")"
  echo $((ox + (l + r) / 2)) $((oy + (t + b) / 2))
}
# bmp_size FILE: width and height of a bitmap of the staged content (a layout file's path).
bmp_size() {
  python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(26); w,h=struct.unpack("<ii",d[18:26]); print(w,abs(h))' \
    "$stage/$(printf '%s' "$1" | tr '\\' /)"
}

# --- Files and settings --------------------------------------------------------------------------

# e2e_winpath PATH: the Unix path as Wine's Z: drive sees it.
e2e_winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# e2e_settings DIR [BOX PICTURE]: the settings file points the program at the content in DIR,
# starting on BOX's PICTURE when given.
e2e_settings() {
  printf '[FILE]\r\nPATH=%s\r\n' "$(e2e_winpath "$1")" > "$settings"
  [ $# -ge 3 ] && printf '[DESKTOP]\r\nWORKINDIR=%s\r\n[sample]\r\nsample=%s\r\n' "$2" "$3" >> "$settings"
  return 0
}

# e2e_program_copy: $out/program holds the staged programs, libraries and layout file (the data
# folder is each script's own).
e2e_program_copy() {
  mkdir -p "$out/program"
  cp "$stage"/*.exe "$stage"/*.dll "$ini" "$out/program/"
}

# e2e_start_picture DRAW...: an asset folder $out/assets with the staged art and a box BOX1 whose
# Start1.sam is a white page drawn on with ImageMagick's DRAW arguments; the settings start on it.
e2e_start_picture() {
  mkdir -p "$out/assets/CUST/BOX1"
  ln -s "$stage/art" "$out/assets/art"
  convert -size 640x480 xc:white "$@" -type TrueColor "BMP3:$out/assets/CUST/BOX1/Start1.sam"
  e2e_settings "$out/assets" BOX1 Start1.sam
}

# e2e_fresh_stage: $out/stage, a copy of the staged content with no pictures of the child's and no
# recovery copy, becomes the stage; lib names its picture library.
e2e_fresh_stage() {
  cp -a "$stage" "$out/stage"
  stage="$out/stage"
  ini="$stage/Colvane.ini"
  lib="$stage/CUST"
  rm -rf "$lib/MY PICTURES" "$stage/RECOVER.DAT"
}

# --- Waiting -------------------------------------------------------------------------------------

# e2e_wait_until SECONDS CMD...: polls CMD ten times a second until it succeeds; 1 when it did not
# within that many polls (CMD's own time comes on top, so a slow machine gets longer).
e2e_wait_until() {
  local polls=$(($1 * 10)) i
  shift
  for ((i = 0; i < polls; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# e2e_grab [GEOMETRY | desk]: the screen now (or its WxH+X+Y part, or all but the paper) as raw RGB.
e2e_grab() {
  local crop=()
  case "${1:-}" in
    '') ;;
    desk) crop=(-fill black -draw "rectangle $px,$py $((px + paper_w - 1)),$((py + paper_h - 1))") ;;
    *) crop=(-crop "$1" +repage) ;;
  esac
  xwd -root -silent -display "$DISPLAY" | convert xwd:- "${crop[@]}" rgb:-
}

# e2e_settle [GEOMETRY | desk]: waits until the screen (or that part of it) holds still for about
# half a second, as it does once the program has drawn everything an input asked for; 1 after
# 10 s of change. "desk" leaves out the paper, where cartoons play and the caret blinks.
e2e_settle() {
  local end=$((SECONDS + 10)) last="" now same=0
  while [ $SECONDS -lt $end ]; do
    now=$(e2e_grab "${1:-}" | md5sum)
    if [ "$now" = "$last" ]; then
      same=$((same + 1))
      [ $same -ge 3 ] && return 0
    else
      same=0
    fi
    last=$now
    sleep 0.1
  done
  return 1
}

# e2e_window: the X window of the program's window shown now (the intro or the main window).
e2e_window() { xdotool search --onlyvisible --name '^Colvane Application$' 2>/dev/null | tail -1; }
# shown TITLE: the first visible window with that exact title.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
running() { kill -0 "$1" 2>/dev/null; }
# e2e_wait_end PID SECONDS: waits for the program to end; 1 when it still runs.
e2e_wait_end() { e2e_wait_until "$2" eval '! running '"$1"; }

# --- The program ---------------------------------------------------------------------------------

# e2e_launch EXE LOG: starts the program (ended when the script exits) and waits for its first
# window, the intro; e2e_pid is the program, e2e_intro its intro window.
e2e_launch() {
  "$WINE64" "$1" </dev/null >"$2" 2>&1 9>&- &
  e2e_pid=$!
  e2e_pids+=("$e2e_pid")
  e2e_intro=""
  e2e_wait_until 20 eval 'e2e_intro=$(e2e_window); [ -n "$e2e_intro" ]'
}

# e2e_main_shown: the main window is on the screen and the intro is gone, that is the main
# window's start-up is over (it exists, unmapped, while it loads, and input goes to the intro).
e2e_main_shown() {
  local shown
  shown=$(xdotool search --onlyvisible --name '^Colvane Application$' 2>/dev/null)
  [ -n "$shown" ] && ! printf '%s\n' "$shown" | grep -qx -- "$e2e_intro"
}
# e2e_wait_main SECONDS: 1 when the main window did not come in time.
e2e_wait_main() { e2e_wait_until "$1" e2e_main_shown; }

# e2e_start EXE LOG: starts the program, skips the intro with a click (again while the intro is
# not yet taking clicks) and waits for the main window's first paint.
e2e_start() {
  e2e_launch "$1" "$2"
  local try
  for try in 1 2 3 4 5; do
    xdotool mousemove 5 5 click 1
    e2e_wait_main 4 && break
  done
  e2e_main_shown || echo "the main window did not open after the intro"
  e2e_settle desk
}

# e2e_start_staged: the settings point the program at the stage, which is started from there with
# its log in $out. A recovery copy left by an earlier script that ended the program mid-picture
# is removed first, so each start is a fresh one.
e2e_start_staged() {
  rm -f "$stage/RECOVER.DAT"
  e2e_settings "$stage"
  e2e_start "$stage/colvane.exe" "$out/colvane.log"
}

# e2e_kill_session: every process of the Wine session ends at once, as in a crash or a power cut.
# Once the server is gone a new one is kept running, as the set-up does, so that the next start
# (here or in the next script) never meets a server on its way out.
e2e_kill_session() {
  "$WINESERVER" -k >/dev/null 2>&1
  wait "$e2e_pid" 2>/dev/null
  e2e_wait_until 10 eval '[ -z "$(wine_server_pid "$WINEPREFIX")" ]'
  "$WINESERVER" -p </dev/null >/dev/null 2>&1 9>&- 8>&-
}

# send COMMAND...: commands sent to the program's main window by post_command.exe.
send() { "$WINE64" "$post" "$@" </dev/null >/dev/null 2>&1 9>&- || fail "command $* not delivered"; }

# --- Real X input --------------------------------------------------------------------------------

at() { xdotool mousemove $((ox + $1)) $((oy + $2)); }  # a layout point
move() { xdotool mousemove $((px + $1)) $((py + $2)); }  # a canvas point
# press SECTION KEY: a click in the middle of a layout rectangle.
press() { xdotool mousemove $(centre "$1" "$2") click 1; }
# drag X0 Y0 X1 Y1 ...: press at the first canvas point, move through the others, release. The
# pause between moves lets each one arrive as its own mouse message, the way a hand drags.
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
}
# hdrag X0 X1 Y: a drag along a row in steps of 10 pixels.
hdrag() {
  local points=() x
  for ((x = $1; x <= $2; x += 10)); do points+=("$x" "$3"); done
  drag "${points[@]}"
}
# path X0 Y0 X1 Y1: a drag from the first canvas point to the second in steps of 10 pixels.
path() {
  local n=$((($3 - $1) / 10)) points=() i
  for ((i = 0; i <= n; i++)); do points+=($(($1 + ($3 - $1) * i / n)) $(($2 + ($4 - $2) * i / n))); done
  drag "${points[@]}"
}
# click X Y [BUTTON]: a click on a canvas point.
click() { move "$1" "$2"; xdotool click "${3:-1}"; }
# focus_key KEY WINDOW: a key typed into that window.
focus_key() { xdotool windowfocus --sync "$2" 2>/dev/null; xdotool key "$1"; }

# cursor: a digest of the cursor shown. A class cursor set on a move shows from the next move, so
# the pointer is nudged first; then the cursor is read until it holds still.
cursor() {
  local last="" now same=0
  xdotool mousemove_relative 1 0
  for _ in $(seq 1 50); do
    now=$(python3 "$e2e_root/tests/support/cursor_image.py")
    [ "$now" = "$last" ] && same=$((same + 1)) || same=0
    [ $same -ge 2 ] && break
    last=$now
    sleep 0.1
  done
  echo "$now"
}

# --- Screenshots and checks ----------------------------------------------------------------------

# shot NAME: $out/NAME.png and its raw RGB bytes $out/NAME.rgb.
shot() { xwd -root -silent -display "$DISPLAY" | convert xwd:- -write "$out/$1.png" -depth 8 "rgb:$out/$1.rgb"; }
# crop_md5 NAME GEOMETRY: a digest of part of a screenshot.
crop_md5() { convert "$out/$1.png" -crop "$2" +repage rgb:- | md5sum; }
# same A B [GEOMETRY]: the screenshots A and B agree (on that part).
same() {
  if [ $# -ge 3 ]; then [ "$(crop_md5 "$1" "$3")" = "$(crop_md5 "$2" "$3")" ]
  else [ "$(convert "$out/$1.png" rgb:- | md5sum)" = "$(convert "$out/$2.png" rgb:- | md5sum)" ]; fi
}
# geom X Y W H: the geometry of a layout rectangle on the screen.
geom() { echo "$3x$4+$((ox + $1))+$((oy + $2))"; }
# pixel NAME X Y: "r,g,b" of a screen pixel of a screenshot.
pixel() { convert "$out/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# dark_pixels NAME X Y W H: how many pixels of a canvas rectangle are darker than half.
dark_pixels() {
  convert "$out/$1.png" -crop "$4x$5+$((px + $2))+$((py + $3))" +repage -colorspace Gray \
    -threshold 50% -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

# check NAME EXPR...: Python expressions over p(x, y), the (r, g, b) of canvas pixel (x, y) of the
# screenshot NAME, with dark, light, black, white, count and column (pixel_check.py) and the
# script's own check_defs; a false one fails with its text. screen_check: screen pixels instead.
check_defs=""
e2e_pixels() { python3 "$e2e_root/tests/support/pixel_check.py" "$@"; }
check() { local n=$1; shift; e2e_pixels "$out/$n.rgb" "$screen_w" "$px" "$py" "$check_defs" "$@" || status=1; }
screen_check() { local n=$1; shift; e2e_pixels "$out/$n.rgb" "$screen_w" 0 0 "ox, oy = $ox, $oy" "$@" || status=1; }
# shot_until NAME CONDITION: screenshots NAME until the shell CONDITION holds (up to 10 s).
shot_until() { e2e_wait_until 10 eval "shot $1; $2"; }
# e2e_wait_pixels NAME EXPR...: screenshots NAME until the check holds (for up to 10 s), then the
# check of the last one.
e2e_wait_pixels() {
  local n=$1 end=$((SECONDS + 10))
  shift
  until shot "$n" && e2e_pixels -q "$out/$n.rgb" "$screen_w" "$px" "$py" "$check_defs" "$@"; do
    [ $SECONDS -ge $end ] && break
    sleep 0.1
  done
  check "$n" "$@"
}
