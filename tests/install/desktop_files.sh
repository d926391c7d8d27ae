#!/usr/bin/env bash
# Validates one desktop-integration file with the Debian tool made for it.
# Exits 77 (skipped) with the reason when that tool is not installed.
# Usage: desktop_files.sh entry|metainfo|mime FILE
set -euo pipefail
kind=$1 file=$2

require() {
  if ! command -v "$1" >/dev/null; then
    echo "SKIPPED: $1 is not installed (Debian package $2; tools/setup.sh installs it)"
    exit 77
  fi
}

case $kind in
  entry)
    require desktop-file-validate desktop-file-utils
    # Hints count too: they become warnings in menus that are stricter.
    output=$(desktop-file-validate "$file" 2>&1)
    [ -z "$output" ] || { echo "$output"; exit 1; }
    ;;
  metainfo)
    require appstreamcli appstream
    appstreamcli validate --no-net "$file"
    ;;
  mime)
    require update-mime-database shared-mime-info
    # Registered in a scratch database: a reading file is recognised by its
    # name, lower case only, and shown with the reading icon.
    mime=$(mktemp -d)
    trap 'rm -rf "$mime"' EXIT
    mkdir -p "$mime/packages"
    cp "$file" "$mime/packages/"
    # It always notes that the scratch folder is not searched; only a failure matters.
    output=$(update-mime-database "$mime" 2>&1) || { echo "$output"; exit 1; }
    grep -qx '50:application/x-orbalis-reading:\*\.orb:cs' "$mime/globs2" ||
      { echo "*.orb is not registered as application/x-orbalis-reading"; cat "$mime/globs2"; exit 1; }
    grep -qx 'application/x-orbalis-reading:org.orbalis.Orbalis-reading' "$mime/icons" ||
      { echo "the reading type has not its icon"; cat "$mime/icons"; exit 1; }
    ;;
  *)
    echo "unknown kind: $kind"; exit 2 ;;
esac
