#!/usr/bin/env bash
# The help key on the real program: F1 opens the Colvane.chm beside the program through the shell,
# whatever the current folder is (a Colvane.chm there is not the one opened).
# Usage: help_key_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
cd "$out" || exit 1
[ -s "$stage/Colvane.chm" ] || fail "no Colvane.chm beside the staged program"
printf 'ITSF' > Colvane.chm  # a decoy in the current folder
before=" $(pgrep -d ' ' -f 'hh\.exe') "  # viewers that are not ours
# ours: viewer = a help viewer started since.
ours() {
  local pid
  for pid in $(pgrep -f 'hh\.exe'); do
    case "$before" in *" $pid "*) ;; *) viewer=$pid ;; esac
  done
  [ -n "$viewer" ]
}
e2e_start_staged
xdotool mousemove 600 400 key F1
viewer=""
if e2e_wait_until 10 ours; then
  # the viewer's command line names the program folder's help file (Windows paths, any case)
  cmdline=$(tr '\0' ' ' < "/proc/$viewer/cmdline")
  want=$(e2e_winpath "$stage/Colvane.chm")
  printf '%s\n' "$cmdline" | grep -qiF -- "$want" || fail "the viewer opened '$cmdline', not $want"
  kill "$viewer" 2>/dev/null
else
  fail "F1 started no help viewer"
fi
e2e_end "help key end to end: passed"
