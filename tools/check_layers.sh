#!/usr/bin/env bash
# Checks that no file includes a header of a folder above its own layer, as
# tools/layers.txt orders them. Prints every include that points up and fails
# if there is one; a folder of code missing from the list fails too.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

declare -A allowed
folders=()
while IFS= read -r line; do
  line=${line%%#*}
  [[ $line =~ ^[[:space:]]*$ ]] && continue
  folder=${line%%:*}
  allowed[$folder]=" $folder ${line#*:} "
  folders+=("$folder")
done < tools/layers.txt

# The folder a path belongs to: the longest listed folder that holds it.
owner() {
  local path=$1 best=""
  for f in "${folders[@]}"; do
    if [[ $path == "$f"/* && ${#f} -gt ${#best} ]]; then best=$f; fi
  done
  printf '%s' "$best"
}

status=0
while IFS= read -r file; do
  from=$(owner "$file")
  if [[ -z $from ]]; then
    echo "$file: its folder is not in tools/layers.txt"
    status=1
    continue
  fi
  while IFS= read -r hit; do
    number=${hit%%:*}
    header=$(sed -E 's/^[^"]*"([^"]*)".*/\1/' <<<"$hit")
    to=$(owner "$header")
    [[ -z $to ]] && continue  # a header of the same folder, or outside the code
    if [[ ${allowed[$from]} != *" $to "* ]]; then
      echo "$file:$number: $from includes $header, which is not below it"
      status=1
    fi
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' \
           ':!tests/**' ':!bench/**' ':!fuzz/**' ':!tools/**' ':!build*/**' 2>/dev/null ||
         find . -name '*.cpp' -o -name '*.h' | sed 's#^\./##' | grep -v -E '^(tests|bench|fuzz|tools|build)')

if [[ $status -eq 0 ]]; then echo "Every include points down or across its own folder."; fi
exit $status
