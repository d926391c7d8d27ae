#!/usr/bin/env bash
# Collects every text marked for translation (N_, Tr, TrC, and tr and translate in the windows) from the
# sources into po/orbalis.pot and merges it into each catalogue po/LANG.po, so
# that a translator sees the new texts as untranslated and the changed ones
# as fuzzy. Run from anywhere; changes only po/.
#
#   tools/update_catalogues.sh [OUT.pot]   (OUT.pot alone: write the template there, merge nothing)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
pot="${1:-po/orbalis.pot}"

git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | grep -v -E '^(tests|fuzz|bench|tools)/' | sort >"${pot}.files"
xgettext --language=C++ --from-code=UTF-8 --no-wrap --sort-by-file \
  --keyword= --keyword=N_ --keyword=Tr:2 --keyword=TrC:2c,3 --keyword=tr --keyword=translate:2 \
  --add-comments=TRANSLATORS: --package-name=Orbalis --msgid-bugs-address=orbalis \
  --files-from="${pot}.files" -o "$pot"
rm -f "${pot}.files"
[ $# -gt 0 ] && exit 0

for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-wrap --no-fuzzy-matching "$po" "$pot"
done
