#!/usr/bin/env bash
# Installs the Debian packages reelkit needs, only those that are missing.
# Safe to run again and again: with everything present it does nothing.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config make ccache
  # platform, encoding detection, web pages
  qt6-base-dev qt6-qpa-plugins libgl-dev libuchardet-dev libcurl4-openssl-dev
  # the converter's translations: lupdate and lrelease, and their CMake
  # functions (Qt6LinguistTools)
  qt6-l10n-tools qt6-tools-dev
  # tests and benchmarks (plistutil: the independent property-list reader;
  # desktop entries checked, a TLS server, the exported API read with clang)
  googletest libgtest-dev libgmock-dev libbenchmark-dev python3 libplist-utils desktop-file-utils openssl
  # the converter's manual page formatted, its bash completion and AppStream
  # metainfo checked (man --warnings, bash-completion's folder, appstreamcli)
  man-db groff-base bash-completion appstream
  # fuzz targets (libFuzzer)
  clang libclang-rt-dev
  # setpriv, for the suites run again as an unprivileged user
  util-linux
  # dbus-run-session: the private session bus of the notifications' tests
  dbus-daemon
  # the media tools the toolkit drives
  ffmpeg mplayer mjpegtools dvdauthor normalize-audio bc
  # disc images, and TrueType fonts for spumux's subtitles (Latin, Greek,
  # Cyrillic...; Japanese, which DejaVu lacks)
  xorriso fonts-dejavu-core fonts-ipafont-gothic
  # a virtual display for screenshots and desktop runs without a screen
  xvfb xauth
  # GNU parallel, which spreads a batch over cores or machines (tested)
  parallel
  # the API reference (scripts/docs.sh)
  doxygen
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

# python3 may come from elsewhere (pyenv); any python3 on PATH will do.
if command -v python3 >/dev/null 2>&1; then
  missing=("${missing[@]/python3}")
fi
read -r -a missing <<<"${missing[*]:-}"

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
