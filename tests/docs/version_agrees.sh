#!/usr/bin/env bash
# The version is typed once, in the top CMakeLists.txt's project(); the
# manual pages, the AppStream release, the package's changelog and what the
# programs print must all say the same.
# Usage: version_agrees.sh SOURCE_FOLDER ORBALIS_CLI
set -uo pipefail
top=$1
cli=$2
version=$(sed -nE 's/^project\(Orbalis VERSION ([0-9.]+).*/\1/p' "$top/CMakeLists.txt")
status=0
check() {  # what, found
  if [[ $2 != "$version" ]]; then
    echo "$1 says '$2', project() says '$version'"
    status=1
  fi
}
for page in "$top"/man/*.1; do
  check "$(basename "$page")" "$(sed -nE '1s/.*"Orbalis ([0-9.]+)".*/\1/p' "$page")"
done
check "the AppStream file's newest release" \
  "$(grep -m1 -oE '<release version="[0-9.]+"' "$top/desktop/org.orbalis.Orbalis.metainfo.xml" | grep -oE '[0-9.]+')"
check "packaging/changelog" "$(sed -nE '1s/^orbalis \(([0-9.]+)\).*/\1/p' "$top/packaging/changelog")"
check "orbalis-cli --version" "$("$cli" --version | sed -nE 's/^orbalis-cli ([0-9.]+).*/\1/p')"
[[ $status -eq 0 ]] && echo "Every place says version $version."
exit $status
