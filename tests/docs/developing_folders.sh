#!/usr/bin/env bash
# docs/DEVELOPING.md's table of folders names every folder of code (each
# layer of tools/layers.txt) and every other top-level folder of the tree,
# and names none that is gone.
# Usage: developing_folders.sh SOURCE_FOLDER
set -uo pipefail
top=$1
cd "$top" || exit 1
table=$(grep -oE '^\| `[^`]+/`' docs/DEVELOPING.md | sed -E 's/^\| `([^`]+)\/`/\1/' | sort -u)
expected=$( (sed -E 's/#.*//; s/:.*//; /^[[:space:]]*$/d' tools/layers.txt
             git ls-files | grep / | cut -d/ -f1 | sort -u | grep -v -E '^\.') | sort -u)
status=0
for folder in $expected; do
  grep -qx "$folder" <<<"$table" || { echo "docs/DEVELOPING.md has no row for $folder/"; status=1; }
done
for folder in $table; do
  [[ -d $folder ]] || { echo "docs/DEVELOPING.md has a row for $folder/, which is not there"; status=1; }
done
[[ $status -eq 0 ]] && echo "docs/DEVELOPING.md names every folder."
exit $status
