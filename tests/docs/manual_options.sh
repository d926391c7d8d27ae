#!/usr/bin/env bash
# Every option the programs' help lists is described in their manual page.
# Usage: manual_options.sh SOURCE_DIR ORBALIS ORBALIS_CLI
set -euo pipefail
man_dir=$1/man orbalis=$2 cli=$3

# The long options a help text lists, written as a manual page writes them.
options_of() { grep -oE -- '--[a-z][a-z-]*' | sort -u | sed 's/-/\\-/g'; }

faults=0
check() {
  local page=$1 option
  while read -r option; do
    grep -qF -- "$option" "$man_dir/$page" || { echo "$page lacks ${option//\\/}"; faults=$((faults + 1)); }
  done
}

cli_help() {
  "$cli" --help
  for command in $("$cli" --help | awk '/^Subcommands:/ { on = 1; next } on && NF { print $1 }'); do
    "$cli" "$command" --help
  done
}
check orbalis.1 < <(env -u DISPLAY -u WAYLAND_DISPLAY "$orbalis" --help | options_of)
check orbalis-cli.1 < <(cli_help | options_of)
[ "$faults" -eq 0 ] && echo "every option is in the manual pages"
exit "$faults"
