#!/usr/bin/env bash
# The compiled help file against its sources: every page, the style sheet and every button picture
# are in it, every picture is a real PNG, and every local link and picture of the pages and of the
# table of contents resolves inside the file.
# Usage: help_file_test.sh CHM HELP_SOURCE_DIR OUT_DIR
set -u
chm=$1 src=$2 out=$3
status=0
fail() { echo "FAIL: $*"; status=1; }
rm -rf "$out"
mkdir -p "$out"
tree="$out/extracted"
extract_chmLib "$chm" "$tree" >"$out/extract.log" 2>&1 || { echo "FAIL: cannot extract $chm"; exit 1; }

# Everything of the source is compiled in.
want=()
for f in "$src"/*.html "$src"/style.css; do want+=("$(basename "$f")"); done
while read -r png _; do
  case "$png" in ''|'#'*) continue ;; esac
  want+=("pictures/$png")
done < "$src/pictures.txt"
for f in "${want[@]}"; do
  [ -s "$tree/$f" ] || { fail "$f is not in the help file"; continue; }
  case "$f" in
    *.png) [ "$(head -c 8 "$tree/$f" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
             fail "$f is not a PNG" ;;
  esac
done

# refs FILE: the local targets of its href, src and Local values, one a line, without any #part.
refs() {
  grep -oiE '(href|src)="[^"]*"|name="Local" value="[^"]*"' "$1" |
    sed -E 's/.*"([^"]*)"$/\1/; s/#.*//' | grep -viE '^(https?|mailto|ms-its|mk):|^$'
}
pages=("$tree"/*.html "$tree"/*.hhc)
[ -e "${pages[0]}" ] || fail "no pages in the help file"
for page in "${pages[@]}"; do
  [ -e "$page" ] || continue
  while read -r ref; do
    [ -e "$(dirname "$page")/$ref" ] || fail "$(basename "$page") points at $ref, which is not in the help file"
  done < <(refs "$page")
done
# every page can be reached from the table of contents
for f in "$src"/*.html; do
  grep -q "value=\"$(basename "$f")\"" "$tree"/*.hhc 2>/dev/null ||
    fail "$(basename "$f") is not in the table of contents"
done
[ $status = 0 ] && echo "help file contents: passed (${#want[@]} files)"
exit $status
