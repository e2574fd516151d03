#!/usr/bin/env bash
# The PDF printer for the printing tests: "up" starts CUPS (unless it runs) with the cups-pdf
# queue named PDF as the default printer; "down" stops the CUPS this script started.
set -u
state=${COLVANE_WINE_STATE:-$(cd "$(dirname "$0")/../.." && pwd)/out/wine}
mkdir -p "$state"
pidfile=$state/cupsd.pid
case "${1:-}" in
  up)
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
      /usr/sbin/cupsd -f >/dev/null 2>&1 9>&- 8>&- &
      echo $! > "$pidfile"
      for _ in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
      lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || exit 1
    fi
    lpadmin -d PDF
    mkdir -p "$HOME/PDF"
    ;;
  down)
    if [ -f "$pidfile" ]; then
      kill "$(cat "$pidfile")" 2>/dev/null
      rm -f "$pidfile"
    fi
    ;;
  *) echo "usage: $0 up|down" >&2; exit 2 ;;
esac
