#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures (once) and builds.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$here" -B "$build" -G Ninja "$@"
elif [[ $# -gt 0 ]]; then
  # Options given again take effect in a build made before with others.
  cmake -S "$here" -B "$build" "$@" >/dev/null
fi
cmake --build "$build"
