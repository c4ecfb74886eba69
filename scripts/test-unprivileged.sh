#!/usr/bin/env bash
# Runs again, as an unprivileged user, the suites whose answers depend on who
# runs them (permissions, ownership, removal, the private temporary folder,
# the converter's work folders and what it may read): core, files, text,
# prefs, media and app, from a test build that scripts/test.sh made.
# Run as root; it switches to the user (nobody, or $REELKIT_TEST_USER), whose
# home need not exist, in a sandbox that user owns.
#   scripts/test-unprivileged.sh [ctest arguments...]
#
# The clone may sit where that user cannot reach it (under /root, say). The
# suites then run in a private mount namespace in which the folders above the
# clone are stand-ins the user may cross; nothing outside the clone changes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${REELKIT_TEST_BUILD:-$here/build/test}" && pwd)
user=${REELKIT_TEST_USER:-nobody}
suites=(core files text prefs media app)

if [[ $(id -u) -ne 0 ]]; then
  echo "test-unprivileged: running as $(id -un) already; scripts/test.sh covered it"
  exit 0
fi
group=$(id -gn "$user")
as_user=(setpriv --reuid="$user" --regid="$group" --clear-groups)

# The first folder above the clone that the user may not cross, if any.
blocked=""
dir=""
IFS=/ read -r -a parts <<<"${here#/}"
for part in "${parts[@]}"; do
  dir="$dir/$part"
  [[ "$dir" == "$here" ]] && break
  if ! "${as_user[@]}" test -x "$dir"; then
    blocked=$dir
    break
  fi
done

# Inside the clone, the tree is ours: let the user read it.
if ! "${as_user[@]}" test -x "$build/tests/core/test_core" 2>/dev/null || [[ -n "$blocked" ]]; then
  chmod -R go+rX "$here"
fi

sandbox=$(mktemp -d /tmp/reelkit-unprivileged-XXXXXX)
trap 'rm -rf "$sandbox"' EXIT
chmod 0755 "$sandbox"
mkdir "$sandbox/tmp" "$sandbox/ctest" "$sandbox/clone"
chown "$user:$group" "$sandbox/tmp" "$sandbox/ctest"
chmod 0700 "$sandbox/tmp"
# ctest writes its logs beside the test list it is given: a list of our own,
# in the sandbox, pointing at the build's suites, leaves the build untouched.
for suite in "${suites[@]}"; do
  echo "subdirs(\"$build/tests/$suite\")"
done >"$sandbox/ctest/CTestTestfile.cmake"

pattern="^($(IFS='|'; echo "${suites[*]}"))\$"
run_suites=("${as_user[@]}" env -i PATH="$PATH" HOME=/nonexistent USER="$user" LOGNAME="$user"
  LANG=C.UTF-8 TMPDIR="$sandbox/tmp"
  ctest --test-dir "$sandbox/ctest" -R "$pattern" --output-on-failure -j "$(nproc)" "$@")

echo "test-unprivileged: ${suites[*]} as $user"
cd "$sandbox"
if [[ -z "$blocked" ]]; then
  exec "${run_suites[@]}"
fi

# The clone is bound to a staging point, the blocked folder is covered by an
# empty tmpfs in which the path to the clone is made again, and the clone is
# bound back at its own path: every absolute path the build recorded holds.
echo "test-unprivileged: $user cannot cross $blocked; using a private mount namespace"
export REELKIT_NS_HERE=$here REELKIT_NS_BLOCKED=$blocked REELKIT_NS_STAGE=$sandbox/clone
exec unshare --mount --propagation private -- bash -euc '
  mount --bind "$REELKIT_NS_HERE" "$REELKIT_NS_STAGE"
  mount -t tmpfs -o mode=0755 reelkit-path "$REELKIT_NS_BLOCKED"
  mkdir -p "$REELKIT_NS_HERE"
  mount --bind "$REELKIT_NS_STAGE" "$REELKIT_NS_HERE"
  exec "$@"' bash "${run_suites[@]}"
