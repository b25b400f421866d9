#!/usr/bin/env bash
# Brings every language's translation file in line with the template
# localization/po/ratio.pot after a text was added to it or changed there
# (gettext's msgmerge). A new entry comes in untranslated, which shows the
# British text until a translator fills it in. A regional variant's file keeps
# only its own texts: what it leaves out comes from its language's file.
set -euo pipefail
cd "$(dirname "$0")/../localization/po"
variants=" $(python3 ../generate_tables.py --variants) "
# Lines are not wrapped, as the files are written (--update would wrap them).
for po in *.po; do
  msgmerge --quiet --no-fuzzy-matching --no-wrap --output-file="$po.new" "$po" ratio.pot
  if [[ "$variants" == *" ${po%.po} "* ]]; then
    msgattrib --translated --no-obsolete --no-wrap --output-file="$po.new" "$po.new"
  fi
  mv "$po.new" "$po"
done
