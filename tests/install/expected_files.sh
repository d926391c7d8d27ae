# Shared by the install and package tests: checks that every file of
# expected_files.txt is under the given root, that the programs can run, that
# each PNG icon has the size its folder names and that each manual page reads
# without a warning. Prints one line per fault; returns their count.
check_expected_files() {
  local root=$1 faults=0 path size
  while read -r path; do
    case $path in ''|'#'*) continue ;; esac
    if [ ! -f "$root/$path" ]; then
      echo "missing: $path"; faults=$((faults + 1)); continue
    fi
    case $path in
      bin/*)
        [ -x "$root/$path" ] || { echo "not executable: $path"; faults=$((faults + 1)); } ;;
      share/icons/*.png)
        size=${path#share/icons/hicolor/}; size=${size%%/*}
        if ! file "$root/$path" | grep -q ", ${size/x/ x },"; then
          echo "not $size: $path"; faults=$((faults + 1))
        fi ;;
      share/man/*)
        if command -v man >/dev/null && [ -n "$(man --warnings -l "$root/$path" 2>&1 >/dev/null)" ]; then
          echo "manual page warnings: $path"; faults=$((faults + 1))
        fi ;;
    esac
  done < "$(dirname "${BASH_SOURCE[0]}")/expected_files.txt"
  return "$faults"
}

# The installed programs answer --version without a display, with the
# version the build was made for.
check_versions() {
  local bin=$1 version=$2 faults=0 program line
  for program in orbalis orbalis-cli; do
    line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --version | head -n 1)
    if [ "$line" != "$program $version" ]; then
      echo "$program --version says '$line', not '$program $version'"; faults=$((faults + 1))
    fi
  done
  return "$faults"
}
