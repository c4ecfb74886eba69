#!/usr/bin/env bash
# docs.sh [outdir]: the API reference of the installed headers, in HTML, with
# doxygen (docs/Doxyfile), into outdir/html (build/docs/html by default).
# Fails, naming the file and line of each, on an undocumented public
# declaration, a broken reference or any other doxygen warning.
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

status=0
(cd "$source" && REELKIT_DOCS_OUT=$out doxygen docs/Doxyfile) || status=$?
# Warnings name files by absolute path; the checkout's own are shown from its
# root, as an editor opens them.
if [[ -s "$out/warnings.log" ]]; then
  # Doxygen says some things twice; each once is enough.
  sed "s|^$source/||" "$out/warnings.log" | awk '!seen[$0]++' >"$out/warnings.txt"
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
