#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures (once) and builds.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$here" -B "$build" -G Ninja "$@"
fi
cmake --build "$build"
