#!/usr/bin/env bash
# Installs what is missing, builds reelkit in release mode and starts the
# reference converter: its window when a display is present, else the
# terminal form on the built-in sample, written to <build>/converted.
# Arguments go to the converter itself (scripts/run.sh --help).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
build=${REELKIT_RUN_BUILD:-$here/build/release}
"$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DREELKIT_BUILD_TESTS=OFF
app="$build/reelkit-convert.app/Contents/MacOS/reelkit-convert"
if (($# > 0)); then
  exec "$app" "$@"
fi
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$app" --window
fi
echo "run: no display; converting the built-in sample in the terminal"
exec "$app" --terminal --overwrite -o "$build/converted"
