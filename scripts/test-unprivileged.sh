#!/usr/bin/env bash
# Runs again, as an unprivileged user, the suites whose answers depend on who
# runs them (permissions, ownership, removal, the private temporary folder):
# core, files, text and prefs, from a test build that scripts/test.sh made.
# Run as root; it switches to the user (nobody, or $REELKIT_TEST_USER), whose
# home need not exist, in a sandbox that user owns.
#   scripts/test-unprivileged.sh [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${REELKIT_TEST_BUILD:-$here/build/test}" && pwd)
user=${REELKIT_TEST_USER:-nobody}
suites=(core files text prefs)

if [[ $(id -u) -ne 0 ]]; then
  echo "test-unprivileged: running as $(id -un) already; scripts/test.sh covered it"
  exit 0
fi
group=$(id -gn "$user")
as_user=(setpriv --reuid="$user" --regid="$group" --clear-groups)

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/reelkit-unprivileged-XXXXXX")
trap 'rm -rf "$sandbox"' EXIT
chmod 0755 "$sandbox"
mkdir "$sandbox/tmp" "$sandbox/ctest"
chown "$user:$group" "$sandbox/tmp" "$sandbox/ctest"
chmod 0700 "$sandbox/tmp"
# ctest writes its logs beside the test list it is given: a list of our own,
# in the sandbox, pointing at the build's suites, leaves the build untouched.
for suite in "${suites[@]}"; do
  if ! "${as_user[@]}" test -x "$build/tests/$suite/test_$suite"; then
    echo "test-unprivileged: $user cannot run $build/tests/$suite/test_$suite" >&2
    echo "  (the build tree and the folders above it must be readable by $user)" >&2
    exit 1
  fi
  echo "subdirs(\"$build/tests/$suite\")"
done >"$sandbox/ctest/CTestTestfile.cmake"

pattern="^($(IFS='|'; echo "${suites[*]}"))\$"
echo "test-unprivileged: ${suites[*]} as $user"
cd "$sandbox"
"${as_user[@]}" env -i PATH="$PATH" HOME=/nonexistent USER="$user" LOGNAME="$user" LANG=C.UTF-8 \
  TMPDIR="$sandbox/tmp" \
  ctest --test-dir "$sandbox/ctest" -R "$pattern" --output-on-failure -j "$(nproc)" "$@"
