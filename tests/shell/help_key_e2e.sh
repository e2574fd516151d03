#!/usr/bin/env bash
# The help key on the real program: F1 opens "Colvane.chm" from the current folder through the
# shell, which starts the help viewer.
# Usage: help_key_e2e.sh STAGE_DIR OUT_DIR
set -u
stage=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env"
. "$root/tests/support/e2e.sh"
wine_screen_up 1024x768x24 9>&-
mkdir -p "$out"
cd "$out" || exit 1
printf 'ITSF' > Colvane.chm  # the viewer's own business is what it shows
status=0
before=" $(pgrep -d ' ' -f 'hh\.exe') "  # viewers that are not ours
e2e_start_staged "$stage" "$out"
xdotool mousemove 600 400 key F1
viewer=""
for _ in $(seq 1 50); do
  for pid in $(pgrep -f 'hh\.exe'); do
    case "$before" in *" $pid "*) ;; *) viewer=$pid ;; esac
  done
  [ -n "$viewer" ] && break
  sleep 0.2
done
[ -n "$viewer" ] || fail "F1 started no help viewer"
[ -n "$viewer" ] && kill "$viewer" 2>/dev/null
kill $e2e_pid 2>/dev/null
[ $status = 0 ] && echo "help key end to end: passed"
exit $status
