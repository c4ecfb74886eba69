#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures (once) and builds.
# With ccache on the machine, compiles go through it; paths below the
# checkout are hashed relative to it, so a fresh clone reuses the cache.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$here" -B "$build" -G Ninja "${launcher[@]}" "$@"
elif [[ $# -gt 0 ]]; then
  # Options given again take effect in a build made before with others.
  cmake -S "$here" -B "$build" "$@" >/dev/null
fi
cmake --build "$build"
