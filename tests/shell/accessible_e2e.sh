#!/usr/bin/env bash
# The real program as a screen reader sees it: a client in another process lists the buttons of the
# main window (names, roles, screen places), finds the pencil where the layout puts it, and its
# default action chooses the pencil.
# Usage: accessible_e2e.sh SCREEN STAGE_DIR OUT_DIR CLIENT_EXE
set -u
. "$(dirname "$0")/../support/e2e.sh"
e2e_begin "$1" "$2" "$3"
client=$4
e2e_fresh_stage
e2e_start "$stage/colvane.exe" "$out/colvane.log"
ask() { "$WINE64" "$client" "$@" </dev/null 2>/dev/null 9>&- | tr -d '\r'; }

ask list >"$out/list.txt" || fail "the client found no accessible object: $(cat "$out/list.txt")"
count=$(sed -n 's/^count //p' "$out/list.txt")
[ "${count:-0}" -ge 20 ] || fail "only ${count:-no} children"
grep -q '^self|Colvane|10|0 0 ' "$out/list.txt" || fail "the client area: $(grep '^self' "$out/list.txt")"
[ "$(grep -c '^child [0-9]*|[^|]*|43|[0-9-]* [0-9-]* [1-9][0-9]* [1-9][0-9]*|Press$' "$out/list.txt")" = "$count" ] ||
  fail "a child is not a button with a place and a press"

# The pencil's place lies on the pencil's picture.
IFS='|' read -r _ _ _ place _ <<<"$(grep '^child [0-9]*|Pencil|' "$out/list.txt")"
read -r l t w h <<<"$place"
IFS=, read -r pl pt pr pb <<<"$(cartoon "PENCA$digit")"
cx=$((l + w / 2)) cy=$((t + h / 2))
[ -n "$l" ] && [ "$cx" -gt $((ox + pl)) ] && [ "$cx" -lt $((ox + pr)) ] && [ "$cy" -gt $((oy + pt)) ] &&
  [ "$cy" -lt $((oy + pb)) ] || fail "the pencil at '$place', its picture at $pl,$pt,$pr,$pb"

# Its default action chooses it, as a click would.
shot before
ask press Pencil >"$out/press.txt" || fail "no press: $(tail -2 "$out/press.txt")"
id=$(sed -n 's/^child \([0-9]*\)|Pencil|.*/\1/p' "$out/press.txt")
grep -qx "hit $id" "$out/press.txt" || fail "the hit test at the pencil's middle: $(grep '^hit' "$out/press.txt")"
e2e_settle desk
shot after
same before after "$(geom "$pl" "$pt" $((pr - pl)) $((pb - pt)))" && fail "the pencil was not chosen"
IFS=, read -r bl bt br bb <<<"$(cartoon "BRUSHA$digit")"
same before after "$(geom "$bl" "$bt" $((br - bl)) $((bb - bt)))" && fail "the brush is still chosen"
e2e_end "accessibility checked: $count buttons, $out/after.png"
