#!/usr/bin/env bash
# Installs what is missing, builds reelkit with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
build=${REELKIT_TEST_BUILD:-$here/build/test}
"$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DREELKIT_SANITIZE=ON -DREELKIT_BUILD_TESTS=ON
cd "$build"
# The install test builds the library again; let ccache see it as this checkout.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
ctest --output-on-failure -j "$(nproc)" "$@"
