#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands.
# Usage: installed_files.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
source "$(dirname "$0")/expected_files.sh"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

faults=0
check_expected_files "$prefix" || faults=$((faults + $?))
check_versions "$prefix/bin" "$version" || faults=$((faults + $?))
[ "$faults" -eq 0 ] && echo "every file installed into $prefix"
exit "$faults"
