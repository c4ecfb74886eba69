#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build/fuzz and runs each for the given
# number of seconds (default 60): binary property lists, XML property lists,
# strings files. They start from the seeds in fuzz/corpus/<target>, the files
# kept in tests/data/fuzz, and what earlier runs here found. Any crash, hang
# or memory blow-up fails the script; its input is left in
# build/fuzz/run/<target>/ and belongs in tests/data/fuzz.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$here/scripts/setup.sh"
build=${REELKIT_FUZZ_BUILD:-$here/build/fuzz}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build"

status=0
for target in binary xml strings; do
  run="$build/run/$target"
  mkdir -p "$run/found"
  echo "fuzz: $target for ${seconds}s"
  if ! (cd "$run" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$run/" -print_final_stats=1 \
        "$run/found" "$here/fuzz/corpus/$target" "$here/tests/data/fuzz" >"$run/log" 2>&1); then
    echo "fuzz: $target FAILED (log: $run/log)"
    grep -E "ERROR|SUMMARY|Test unit written" "$run/log" | head -20 || true
    status=1
  else
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$run/log" | sed "s/^/fuzz: $target /"
  fi
done
exit $status
