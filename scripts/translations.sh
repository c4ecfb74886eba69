#!/usr/bin/env bash
# translations.sh [language...]: brings the converter's translation sources
# (app/convert/translations/reelkit-convert_<language>.ts) up to date with
# the texts of its code, with lupdate; every language when none is given.
# The English file holds only the plural forms of the texts counted with %n.
# Translators then edit the .ts (Qt Linguist, or any editor); the build
# makes the .qm with lrelease.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$here/app/convert"
mapfile -t sources < <(find . -name '*.cpp' -o -name '*.h' | sort)
languages=("$@")
if ((${#languages[@]} == 0)); then
  languages=(fr de es en)
fi
for language in "${languages[@]}"; do
  ts=translations/reelkit-convert_$language.ts
  if [[ $language == en ]]; then
    "$lupdate" -pluralonly -locations none -no-obsolete -I . "${sources[@]}" -ts "$ts"
  else
    "$lupdate" -locations relative -no-obsolete -I . "${sources[@]}" -ts "$ts"
  fi
done
