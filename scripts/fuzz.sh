#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build/fuzz and runs each for the given
# number of seconds (default 60), two at a time (REELKIT_FUZZ_JOBS changes
# that), so the whole run takes about seconds x targets / 2. The targets are
# listed below. They start from the seeds in fuzz/corpus/<target>, the files
# kept in tests/data/fuzz, and what earlier runs here found, with the words
# of fuzz/<target>.dict when there is one. Any crash, hang or memory blow-up
# fails the script; its input is left in build/fuzz/run/<target>/ and belongs
# in tests/data/fuzz/<target>/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
jobs_max=${REELKIT_FUZZ_JOBS:-2}

targets=(
  binary xml  # property lists
  strings     # strings files
  camera      # camera cards: playlists, clips, EyeTV descriptions, time stamps
  tooloutput  # what the media tools print: progress, versions, ffprobe
  text        # text files: encoding detection and every encoding's decoder
  numbers     # typed numbers, ratios, durations and timecodes
  srt         # the converter's SubRip subtitles
  presets     # the converter's preset files
)

"$here/scripts/setup.sh"
build=${REELKIT_FUZZ_BUILD:-$here/build/fuzz}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build"

# One target's run; its verdict goes to $run/status, its report to $run/log.
fuzz_one() {
  local target=$1 run="$build/run/$1" dict=()
  mkdir -p "$run/found"
  rm -f "$run/status"
  if [[ -f "$here/fuzz/$target.dict" ]]; then
    dict=(-dict="$here/fuzz/$target.dict")
  fi
  if (cd "$run" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$run/" -print_final_stats=1 "${dict[@]}" \
        "$run/found" "$here/fuzz/corpus/$target" "$here/tests/data/fuzz" >"$run/log" 2>&1); then
    echo ok >"$run/status"
  else
    echo failed >"$run/status"
  fi
}

for target in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= jobs_max)); do
    wait -n || true
  done
  echo "fuzz: $target for ${seconds}s"
  fuzz_one "$target" &
done
wait

status=0
for target in "${targets[@]}"; do
  run="$build/run/$target"
  if [[ "$(cat "$run/status" 2>/dev/null)" != ok ]]; then
    echo "fuzz: $target FAILED (log: $run/log)"
    grep -E "ERROR|SUMMARY|Test unit written" "$run/log" | head -20 || true
    status=1
  else
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$run/log" | sed "s/^/fuzz: $target /"
  fi
done
exit $status
