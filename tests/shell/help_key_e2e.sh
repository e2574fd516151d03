#!/usr/bin/env bash
# The help key on the real program: F1 opens "Colvane.chm" from the current folder through the
# shell, which starts the help viewer.
# Usage: help_key_e2e.sh SCREEN STAGE_DIR OUT_DIR
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$@"
cd "$out" || exit 1
printf 'ITSF' > Colvane.chm  # the viewer's own business is what it shows
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
e2e_wait_until 10 ours || fail "F1 started no help viewer"
[ -n "$viewer" ] && kill "$viewer" 2>/dev/null
e2e_end "help key end to end: passed"
