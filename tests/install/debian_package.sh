#!/usr/bin/env bash
# Builds the Debian package from the build, unpacks it into a temporary root
# with dpkg -x and checks its contents, its control data and, where lintian
# is installed, that lintian finds no error.
# Usage: debian_package.sh BUILD_DIR VERSION
# Exits 77 (skipped) with the reason when the Debian tools are not installed.
set -euo pipefail
build=$1 version=$2
source "$(dirname "$0")/expected_files.sh"

for tool in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev cpack:cmake; do
  if ! command -v "${tool%%:*}" >/dev/null; then
    echo "SKIPPED: ${tool%%:*} is not installed (Debian package ${tool#*:}; tools/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"; exit 1
fi
deb=$(ls "$work"/out/*.deb)
echo "built $(basename "$deb")"

faults=0
fail() { echo "$1"; faults=$((faults + 1)); }

[ "$(dpkg-deb -f "$deb" Package)" = orbalis ] || fail "package name: $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6; do
  [[ $depends == *"$library "* ]] || fail "Depends lacks $library: $depends"
done
[ -n "$(dpkg-deb -f "$deb" Description | sed -n 2p)" ] || fail "no long description"

dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
  [ -x "$work/control/$script" ] || { fail "no executable $script"; continue; }
  grep -q update-desktop-database "$work/control/$script" || fail "$script keeps the menu stale"
  grep -q update-mime-database "$work/control/$script" || fail "$script keeps the file types stale"
done

dpkg -x "$deb" "$work/root"
check_expected_files "$work/root/usr" || faults=$((faults + $?))
check_versions "$work/root/usr/bin" "$version" || faults=$((faults + $?))
changelog_version=$(zcat "$work/root/usr/share/doc/orbalis/changelog.gz" | sed -n '1s/.*(\(.*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's last entry is $changelog_version"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
else
  echo "lintian is not installed (Debian package lintian): its check is left out"
fi

[ "$faults" -eq 0 ] && echo "the package holds every file"
exit "$faults"
