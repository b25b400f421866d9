#!/usr/bin/env bash
# Brings every language's translation file in line with the template
# localization/po/ratio.pot after a text was added to it or changed there
# (gettext's msgmerge). A new entry comes in untranslated, which shows the
# British text until a translator fills it in.
set -euo pipefail
cd "$(dirname "$0")/../localization/po"
for po in *.po; do
  msgmerge --quiet --update --backup=none --no-fuzzy-matching "$po" ratio.pot
done
