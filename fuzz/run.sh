#!/usr/bin/env bash
# Runs every fuzz target of a libFuzzer build for SECONDS each, one after the
# other, starting from the committed seeds. New inputs the engine keeps go to
# BUILD/fuzz/work/<target>/ (not committed); an input that breaks a target is
# saved as BUILD/fuzz/findings/<target>-crash-... and fails the run.
#
#   fuzz/run.sh BUILD SECONDS [TARGET...]
set -uo pipefail
build=$(cd "$1" && pwd) seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz/fuzz_*; do
    [ -f "$program" ] && [ -x "$program" ] && targets+=("$(basename "$program" | sed 's/^fuzz_//')")
  done
fi
mkdir -p "$build/fuzz/findings"
failed=0
for target in "${targets[@]}"; do
  work="$build/fuzz/work/$target"
  mkdir -p "$work"
  log="$build/fuzz/$target.log"
  echo "fuzz_$target: ${seconds} s"
  # -close_fd_mask=3 silences the programs' own output; reports still show.
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -max_len=65536 -close_fd_mask=3 -artifact_prefix="$build/fuzz/findings/$target-" \
    "$work" "$here/corpus/$target" >"$log" 2>&1
  status=$?
  grep -E '^#[0-9]+ +DONE|^Done [0-9]+ runs' "$log" | tail -n 2 | sed 's/^/  /'
  if [ $status -ne 0 ]; then
    echo "  FAILED (status $status); see $log and $build/fuzz/findings/"
    failed=1
  fi
done
exit $failed
