#!/usr/bin/env bash
# Switch scanning on the real program, turned on by the grown-ups' policy, the pointer parked and
# never moved: two switches paint a line by a fixed count of presses (the paper, a row, a column,
# a direction, a length); one switch scanning on its own chooses the pencil with a press timed
# from where the program says its scan is.
# Usage: switch_scan_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
export WINEDEBUG=-all,warn+debugstr  # the program tells where its scan is
policy="$WINEPREFIX/drive_c/windows/system32/ColvanePolicy.ini"
trap 'rm -f "$policy"; e2e_cleanup' EXIT
e2e_fresh_stage
e2e_start_picture
log="$out/colvane.log"

# The focus the program reported last: "AREA|NAME|..."
focus() { grep -a 'colvane focus:' "$log" | tail -1 | sed 's/.*colvane focus: //'; }
area() { focus | cut -d'|' -f1; }
reports() { grep -ac 'colvane focus:' "$log"; }
# switch KEY [TIMES]: the switch pressed, each press waited for until the program reports.
switch() {
  local i n
  for ((i = 0; i < ${2:-1}; i++)); do
    n=$(reports)
    xdotool key "$1"
    e2e_wait_until 5 eval '[ "$(reports)" -gt '"$n"' ]' || fail "no report after switch $1"
  done
}
start() {
  printf '[Access]\r\n%s\r\n' "$1" > "$policy"
  e2e_start "$stage/colvane.exe" "$log"
  xdotool windowfocus --sync "$(e2e_window)"
  e2e_wait_until 10 eval '[ -n "$(area)" ]' || fail "the scan did not start"
}
stop() { e2e_kill_session; }

# Two switches: F5 steps, F6 chooses. A round of the areas gives where the paper is in it.
start $'Switches=2\r\nSwitchKeys=F5,F6'
first=$(area)
areas=("$first")
for i in $(seq 1 16); do
  switch F5
  [ "$(area)" = "$first" ] && break
  areas+=("$(area)")
done
echo "areas scanned: ${areas[*]}"
paper=-1
for i in "${!areas[@]}"; do [ "${areas[$i]}" = canvas ] && paper=$i; done
[ "$paper" -ge 0 ] || fail "the scan never offered the paper"
switch F5 "$paper"
[ "$(area)" = canvas ] || fail "$paper steps did not reach the paper"
switch F6          # the paper: a row sweeps down
switch F5 9        # row 10 of 20
switch F6          # a column sweeps across
switch F5 4        # column 5 of 20
switch F6          # the point; the directions begin eastwards
switch F6          # east; the lengths begin at 16
switch F5 3        # 128 pixels
shot preview
switch F6          # painted
e2e_settle desk
shot stroke
# Row 10 of 20 and column 5 of 20 of the 640 x 480 paper: its middles.
y=$((480 * 19 / 40)) x=$((640 * 9 / 40))
check stroke "column($x + 20, $y - 3, $y + 4) > 0" "column($x + 100, $y - 3, $y + 4) > 0" \
  "column($x + 150, $y - 3, $y + 4) == 0" "column($x - 20, $y - 3, $y + 4) == 0"
stop

# One switch every 2 s: chosen as soon as the toolbox is offered, its targets begin on the brush;
# a press 3 s later falls in the middle of the pencil's 2 s.
start $'Switches=1\r\nScanMs=2000\r\nAcceptMs=300'
e2e_wait_until 60 eval '[ "$(area)" = toolbox ]' || fail "the scan never offered the toolbox"
shot tools_before
switch space
sleep 3
switch space
e2e_settle desk
shot tools_after
IFS=, read -r bl bt br bb <<<"$(cartoon "BRUSHA$digit")"
IFS=, read -r pl pt pr pb <<<"$(cartoon "PENCA$digit")"
same tools_before tools_after "$(geom "$pl" "$pt" $((pr - pl)) $((pb - pt)))" && fail "the pencil was not chosen"
same tools_before tools_after "$(geom "$bl" "$bt" $((br - bl)) $((bb - bt)))" && fail "the brush is still chosen"
stop
e2e_end "switch scanning checked: $out/stroke.png, $out/tools_after.png"
