#!/usr/bin/env bash
# docs.sh [outdir]: the API reference of the installed headers, in HTML, with
# doxygen (docs/Doxyfile), into outdir/html (build/docs/html by default).
# Fails, naming the file and line of each, on an undocumented public
# declaration, a broken reference or any other doxygen warning, and on an
# installed header that is not in its subsystem's group.
# REELKIT_DOCS_SOURCE names another checkout to document (the tests use one).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
command -v doxygen >/dev/null 2>&1 || { echo "docs: doxygen is missing" >&2; exit 1; }
source=$(cd "${REELKIT_DOCS_SOURCE:-$here}" && pwd)
out=${1:-$here/build/docs}
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -rf "$out/html" "$out/warnings.log" "$out/warnings.txt"

# Every installed header (all but the private *_p.h) opens with "/// \file"
# and "/// \ingroup <its folder>" (an umbrella header: its own name), or
# doxygen would leave it out of the groups without a word.
problems=()
cd "$source"
while IFS= read -r header; do
  name=${header#src/reel/}
  if [[ $name == */* ]]; then group=${name%%/*}; else group=${name%.h}; fi
  if ! grep -q '^/// \\file' "$header"; then
    problems+=("$header:1: error: no '/// \\file' comment (with '/// \\ingroup $group' and what the header is for)")
  elif [[ $name != reel.h ]] && ! grep -Eq "^/// \\\\ingroup $group\$" "$header"; then
    problems+=("$header:1: error: not in its group: '/// \\ingroup $group' missing")
  fi
done < <(find src/reel -name '*.h' ! -name '*_p.h' | sort)

status=0
REELKIT_DOCS_OUT=$out doxygen docs/Doxyfile || status=$?
# Warnings name files by absolute path; the checkout's own are shown from its
# root, as an editor opens them. Doxygen says some things twice: once is enough.
{
  if ((${#problems[@]})); then printf '%s\n' "${problems[@]}"; fi
  if [[ -f "$out/warnings.log" ]]; then sed "s|^$source/||" "$out/warnings.log"; fi
} | awk '!seen[$0]++' >"$out/warnings.txt"
if [[ -s "$out/warnings.txt" ]]; then
  cat "$out/warnings.txt" >&2
  count=$(grep -c ': \(warning\|error\):' "$out/warnings.txt" || true)
  echo "docs: $count problem(s) above; every public declaration needs a /// comment" >&2
  exit 1
fi
if ((status != 0)); then
  echo "docs: doxygen failed ($status)" >&2
  exit "$status"
fi
echo "docs: $out/html/index.html"
