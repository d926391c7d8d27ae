#!/usr/bin/env bash
# Runs the commands of the "Running one test" section of docs/DEVELOPING.md
# (the README's notes for developers) against this
# build, so that they cannot rot: each must pass and run at least one test. A
# command that runs the tests of a label (`ctest -L core`) only lists them
# here, as running them would run this test again from inside itself.
# Usage: readme_commands.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1 build=$(cd "$2" && pwd)

# The commands speak of build/ in the source folder; here that is this build.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build" "$work/build"

mapfile -t commands < <(awk '
  /^## / { inside = ($0 == "## Running one test") ; next }
  inside && /^    [^ ]/ { sub(/^    /, ""); sub(/[ ]+# .*$/, ""); print }
' "$source_dir/docs/DEVELOPING.md")
[ ${#commands[@]} -gt 0 ] || { echo "docs/DEVELOPING.md has no one-test commands"; exit 1; }

faults=0
for command in "${commands[@]}"; do
  run=$command
  [[ $command =~ ctest\ .*-L\  ]] && run="$command -N"
  if output=$(cd "$work" && bash -c "$run" 2>&1) &&
     grep -Eq 'out of [1-9]|\[  PASSED  \] [1-9]|Totals: [1-9][0-9]* passed|Total Tests: [1-9]' <<<"$output"; then
    echo "ran: $command"
  else
    echo "FAILED or ran no test: $command"; echo "$output" | tail -n 5; faults=$((faults + 1))
  fi
done
exit "$faults"
