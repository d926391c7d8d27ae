#!/usr/bin/env bash
# Runs the commands of the README's "Running one test" section against this
# build, so that they cannot rot: each must pass and run at least one test.
# Usage: readme_commands.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1 build=$(cd "$2" && pwd)

# The README speaks of build/ beside it; here that is this build.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build" "$work/build"

mapfile -t commands < <(awk '
  /^## / { inside = ($0 == "## Running one test") ; next }
  inside && /^    [^ ]/ { sub(/^    /, ""); sub(/[ ]+# .*$/, ""); print }
' "$source_dir/README.md")
[ ${#commands[@]} -gt 0 ] || { echo "the README has no one-test commands"; exit 1; }

faults=0
for command in "${commands[@]}"; do
  if output=$(cd "$work" && bash -c "$command" 2>&1) &&
     grep -Eq 'out of [1-9]|\[  PASSED  \] [1-9]|Totals: [1-9][0-9]* passed' <<<"$output"; then
    echo "ran: $command"
  else
    echo "FAILED or ran no test: $command"; echo "$output" | tail -n 5; faults=$((faults + 1))
  fi
done
exit "$faults"
