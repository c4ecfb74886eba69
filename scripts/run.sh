#!/usr/bin/env bash
# Installs what is missing, builds reelkit in release mode and starts the
# program: in its window when a display is present, else on a virtual
# display (Xvfb) for a short demonstration that opens and closes the window.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
build=${REELKIT_RUN_BUILD:-$here/build/release}
"$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DREELKIT_BUILD_TESTS=OFF
app="$build/reelkit.app/Contents/MacOS/reelkit-shell"
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$app" "$@"
fi
echo "run: no display; starting the shell offscreen, it closes its window after a moment"
QT_QPA_PLATFORM=offscreen REELKIT_SHELL_DEMO_MS=1500 exec "$app" "$@"
