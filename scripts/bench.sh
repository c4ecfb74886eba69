#!/usr/bin/env bash
# Installs what is missing, builds reelkit in release mode with the benchmark
# and the reference converter (which two rows run), and runs it: every toolkit operation against the standard tool on the same
# generated input, printed as one table. Arguments go to the benchmark
# (--repetitions N, --only TEXT[,TEXT...], --list).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
build=${REELKIT_BENCH_BUILD:-$here/build/bench}
"$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DREELKIT_BUILD_BENCH=ON -DREELKIT_BUILD_TESTS=OFF -DREELKIT_BUILD_APPS=ON
# The benchmark removes its scratch folder itself; this one also goes when
# the benchmark is killed outright.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/reelkit-bench-run.XXXXXX")
trap 'rm -rf -- "$scratch"' EXIT
TMPDIR=$scratch "$build/reelkit-bench.app/Contents/MacOS/reelkit-bench" "$@"
