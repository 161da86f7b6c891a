#!/usr/bin/env bash
# Fails when a folder of src/ includes a header of a folder above it (src/README.md gives the
# order). A folder may include its own headers and those of any lower layer; folders on the
# same layer do not include each other.
set -euo pipefail
cd "$(dirname "$0")/../src"
layer() {
  case "$1" in
    platform) echo 0 ;; state) echo 1 ;; sound) echo 2 ;; world) echo 3 ;; boat) echo 4 ;;
    race) echo 5 ;; scoring) echo 6 ;; sim) echo 7 ;; draw) echo 8 ;;
    view3d | view2d) echo 9 ;; input | instruction) echo 10 ;; app) echo 11 ;;
    app/window) echo 12 ;; *) echo "" ;;
  esac
}
folder_of() {
  case "$1" in app/window/*) echo app/window ;; *) echo "${1%%/*}" ;; esac
}
bad=0
while IFS= read -r file; do
  from=$(folder_of "$file")
  from_layer=$(layer "$from")
  if [ -z "$from_layer" ]; then
    echo "layering: $file is in a folder with no layer: add it to scripts/check-layering.sh" >&2
    bad=1
    continue
  fi
  while IFS= read -r inc; do
    to=$(folder_of "$inc")
    to_layer=$(layer "$to")
    [ -z "$to_layer" ] && continue  # not one of ours (a resource next to the sources)
    if [ "$to" != "$from" ] && { [ "$to_layer" -gt "$from_layer" ] || [ "$to_layer" -eq "$from_layer" ]; }; then
      echo "layering: src/$file includes \"$inc\" ($from may not depend on $to)" >&2
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
[ "$bad" -eq 0 ] && echo "layering: every include points down"
exit "$bad"
