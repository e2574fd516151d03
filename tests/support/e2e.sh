# Sourced by the end-to-end scripts (after scripts/wine-env and wine_screen_up): starting the
# real program on the 1024x768 test screen and reading its layout file.

# e2e_value INI SECTION KEY: one value of a layout file, without its carriage return.
e2e_value() { sed -n "/^\[$2\]/,/^\[/p" "$1" | tr -d '\r' | sed -n "s/^$3=//p" | head -1; }

# e2e_winpath PATH: the Unix path as Wine's Z: drive sees it.
e2e_winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# e2e_start EXE LOG: starts the program (ended when the script exits) and waits for its window
# and the first paint.
e2e_start() {
  "$WINE64" "$1" </dev/null >"$2" 2>&1 9>&- &
  e2e_pid=$!
  trap 'kill $e2e_pid 2>/dev/null; wait $e2e_pid 2>/dev/null' EXIT
  for _ in $(seq 1 100); do
    xdotool search --name '^Colvane Application$' >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 2
}

# e2e_paper_origin INI: px, py = the paper's screen position (the 800 x 600 layout is centred on
# the 1024 x 768 screen at 112, 84).
e2e_paper_origin() {
  local paper
  paper=$(e2e_value "$1" 800 PAPERORG)
  px=$((112 + ${paper%,*}))
  py=$((84 + ${paper#*,}))
}
