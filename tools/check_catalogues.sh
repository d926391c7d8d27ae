#!/usr/bin/env bash
# Every catalogue po/LANG.po against the texts the sources mark today: each
# one translated, none fuzzy, none left over, and msgfmt's own checks passed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$root/tools/update_catalogues.sh" "$work/orbalis.pot" 2>/dev/null
status=0
for po in "$root"/po/*.po; do
  language="$(basename "$po" .po)"
  merged="$work/$language.po"
  msgmerge --quiet --no-fuzzy-matching -o "$merged" "$po" "$work/orbalis.pot"
  counts="$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$merged" 2>&1)"
  if grep -qE 'untranslated|fuzzy' <<<"$counts"; then
    echo "po/$language.po: $counts"
    msgattrib --untranslated --no-obsolete "$merged" | grep -m 5 '^msgid "[^"]' | sed 's/^/  untranslated: /'
    status=1
  fi
  if [ "$(msgattrib --only-obsolete "$merged" | grep -c '^#~ msgid')" -gt 0 ]; then
    echo "po/$language.po: texts the sources no longer have (run tools/update_catalogues.sh)"
    status=1
  fi
  # The glossary beside each catalogue.
  [ -f "$root/po/glossary-$language.md" ] || { echo "po/glossary-$language.md is missing"; status=1; }
done
exit $status
