#!/usr/bin/env bash
# translations.sh [language...]: brings the converter's translation sources
# (app/convert/translations/reelkit-convert_<language>.ts) up to date with
# the texts of its code, with lupdate; every language when none is given.
# Translators then edit the .ts (Qt Linguist, or any editor); the build
# makes the .qm with lrelease.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$here/app/convert"
mapfile -t sources < <(find . -name '*.cpp' -o -name '*.h' | sort)
languages=("$@")
if ((${#languages[@]} == 0)); then
  languages=(fr de es)
fi
for language in "${languages[@]}"; do
  ts=translations/reelkit-convert_$language.ts
  "$lupdate" -locations relative -no-obsolete -I . "${sources[@]}" -ts "$ts"
done
