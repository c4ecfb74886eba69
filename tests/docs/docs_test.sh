#!/usr/bin/env bash
# docs_test.sh <checkout> <work folder>: runs scripts/docs.sh on copies of the
# checkout's headers and docs, each spoiled in one way, and checks that it
# fails and names the place; the copy as it is must pass. Everything is made
# in the work folder.
set -uo pipefail
root=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
failed=0
passed=0

# A copy of what the reference is built from.
fresh() {
  rm -rf "$work/tree" "$work/out"
  mkdir -p "$work/tree"
  cp -r "$root/src" "$root/docs" "$root/examples" "$work/tree/"
}

# Removes the doc comment above the first line of file that matches pattern
# (a "///" block, or a trailing "///<"); prints that line's number after.
undocument() {
  local file=$work/tree/$1 pattern=$2
  awk -v pattern="$pattern" '
    { lines[NR] = $0 }
    END {
      for (i = 1; i <= NR; ++i) if (lines[i] ~ pattern) { at = i; break }
      if (!at) exit 1
      sub(/[ \t]*\/\/\/<.*$/, "", lines[at])
      first = at
      while (first > 1 && lines[first - 1] ~ /^[ \t]*\/\/\//) --first
      for (i = 1; i <= NR; ++i) if (i < first || i >= at) print lines[i]
    }' "$file" >"$file.new" || { echo "no line matches '$pattern' in $1" >&2; return 1; }
  mv "$file.new" "$file"
  grep -nE -m1 -e "$pattern" "$file" | cut -d: -f1
}

# check <name> <expected exit: 0 or fail> <text the output must hold>
check() {
  local name=$1 expect=$2 wanted=$3 status=0
  REELKIT_DOCS_SOURCE=$work/tree "$root/scripts/docs.sh" "$work/out" >"$work/output" 2>&1 || status=$?
  local ok=1
  if [[ $expect == 0 ]]; then ((status == 0)) || ok=0; else ((status != 0)) || ok=0; fi
  grep -qF -- "$wanted" "$work/output" || ok=0
  if ((ok)); then
    echo "ok: $name"
    ((++passed))
  else
    echo "FAILED: $name (exit $status, wanted '$wanted' in:)"
    sed 's/^/    /' "$work/output"
    ((++failed))
  fi
}

fresh
check "the headers as they are" 0 "docs: $work/out/html/index.html"

fresh
line=$(undocument src/reel/core/paths.h '^QString homeDirectory\(\);')
check "a function without its comment" fail "src/reel/core/paths.h:$line: error: Member homeDirectory()"

fresh
line=$(undocument src/reel/text/detection.h '^    QString error;')
check "a struct member without its comment" fail "src/reel/text/detection.h:$line: error: Member error"

fresh
line=$(undocument src/reel/files/removal.h '^class ScopedRemovalBackend')
check "a class without its comment" fail "src/reel/files/removal.h:$line: error: Compound reel::ScopedRemovalBackend"

fresh
sed -i 's|^/// "YYYY-MM-DD HH:MM:SS +HHMM", local time|/// See \\ref describeDateAsWritten. "YYYY-MM-DD HH:MM:SS +HHMM", local time|' \
  "$work/tree/src/reel/core/describe.h"
line=$(grep -n -m1 describeDateAsWritten "$work/tree/src/reel/core/describe.h" | cut -d: -f1)
check "a broken reference" fail "src/reel/core/describe.h:$line: error: unable to resolve reference to 'describeDateAsWritten'"

fresh
printf '%s\n' '#pragma once' '#include <QString>' 'namespace reel {' '/// Shows text.' 'bool showText(const QString &text);' \
  '} // namespace reel' >"$work/tree/src/reel/widgets/showtext.h"
check "a header outside the groups" fail "src/reel/widgets/showtext.h:1: error: no '/// \\file' comment"

# The main page's examples are the README's, word for word.
missing=$(awk '/^```cpp/ { inside = 1; block = ""; next } /^```/ && inside { inside = 0; print block; next }
               inside { block = block $0 "\\n" }' "$root/docs/mainpage.md" |
  while IFS= read -r block; do
    python3 - "$root/README.md" "$block" <<'PY' || echo missing
import sys
sys.exit(0 if sys.argv[2].replace('\\n', '\n') in open(sys.argv[1], encoding='utf-8').read() else 1)
PY
  done)
if [[ -z $missing ]] && grep -q '^```cpp' "$root/docs/mainpage.md"; then
  echo "ok: the main page's examples are the README's"
  ((++passed))
else
  echo "FAILED: a C++ example of docs/mainpage.md is not in README.md as written"
  ((++failed))
fi

((failed)) || rm -rf "$work"
echo "$passed passed, $failed failed"
((failed == 0))
