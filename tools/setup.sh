#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# As root it runs apt-get itself; otherwise it prints the one command to run.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev libgl-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcsv-dev libcli11-dev nlohmann-json3-dev
  fonts-dejavu-core fonts-lohit-deva fonts-lohit-taml gettext
  libswe-dev swe-basic-data
  libhowardhinnant-date-dev tzdata libtimezonemap-data
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream shared-mime-info lintian dpkg-dev fakeroot file man-db
  librsvg2-bin poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "Missing packages: ${missing[*]}"
  echo "Run: sudo apt-get install -y ${missing[*]}"
  exit 1
fi
