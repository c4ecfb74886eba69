#!/usr/bin/env bash
# completion_test.sh <converter> <completion script>: the bash completion
# asked as bash asks it (COMP_WORDS, COMP_CWORD), in a sandbox home with a
# saved preset and a folder of videos and other files.
set -uo pipefail
converter=$1 script=$2

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/reelkit-completion-XXXXXX") || exit 1
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox"/{home,config,cache,data,tmp,bin}
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/config XDG_CACHE_HOME=$sandbox/cache
export XDG_DATA_HOME=$sandbox/data TMPDIR=$sandbox/tmp LANG=C LC_ALL=C LANGUAGE=
# The program as installed: a command on PATH, linked to the bundle's.
ln -s "$converter" "$sandbox/bin/reelkit-convert"
export PATH=$sandbox/bin:$PATH
cd "$sandbox" || exit 1

# A preset saved by the program itself, and one whose name holds a space.
if ! reelkit-convert -p mkv -q 20 --save-preset mine >/dev/null; then
  echo "the converter did not save a preset" >&2
  exit 1
fi
cp config/reelkit-convert/presets/mine.plist "config/reelkit-convert/presets/for tv.plist"
mkdir -p videos/sub videos/empty.mp4.d
touch videos/a.mp4 videos/B.MKV videos/clip.Mts videos/notes.txt videos/c.srt videos/p.plist \
      videos/mp4 videos/old.mp4.bak

# shellcheck source=/dev/null
source "$script"

# The replies to a line whose last word is the one completed, sorted, one
# line. Bash's own quoting (compopt -o filenames) is not applied here.
complete_line() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _reelkit_convert
  printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd '|'
}

builtin='archive|dvd-ntsc|dvd-pal|mkv|mp4|mp4-hevc|phone-720p|tv-1080p'
presets=$(printf '%s\n' ${builtin//|/ } mine 'for tv' | LC_ALL=C sort | paste -sd '|')
# name | the line, its last word completed | the replies. videos/mp4 is a
# file named like an extension, and empty.mp4.d a folder: a folder is always
# offered, a file only by its extension.
cases=(
  "long options by prefix|reelkit-convert --pre|--preset|--preset-file"
  "an option after a file|reelkit-convert a.mp4 --no|--no-verify|--normalize"
  "presets, built-in and saved|reelkit-convert --preset |$presets"
  "presets after -p, by prefix|reelkit-convert -p m|mine|mkv|mp4|mp4-hevc"
  "presets after --preset=|reelkit-convert --preset = dvd|dvd-ntsc|dvd-pal"
  "presets, the command given by its path|$converter -p ar|archive"
  "containers|reelkit-convert --container |mkv|mp4"
  "speeds|reelkit-convert --speed very|veryfast|veryslow"
  "sound codecs|reelkit-convert -y --audio-codec |aac|ac3|copy|opus"
  "sound tracks|reelkit-convert --audio |all|default|none"
  "denoising|reelkit-convert --denoise |light|off|strong"
  "a number: nothing|reelkit-convert -q |"
  "videos and folders|reelkit-convert videos/|videos/B.MKV|videos/a.mp4|videos/clip.Mts|videos/empty.mp4.d|videos/sub"
  "videos after --|reelkit-convert -- videos/a|videos/a.mp4"
  "folders for --output|reelkit-convert -o videos/|videos/empty.mp4.d|videos/sub"
  "subtitles for the disc|reelkit-convert --subtitles videos/|videos/c.srt|videos/empty.mp4.d|videos/sub"
  "preset files|reelkit-convert --preset-file videos/|videos/empty.mp4.d|videos/p.plist|videos/sub"
  "preset files after --preset-file=|reelkit-convert --preset-file = videos/p|videos/p.plist"
)
failed=0
for case in "${cases[@]}"; do
  IFS='|' read -r name line expected <<<"$case"
  expected=${case#"$name|$line|"}
  read -r -a words <<<"$line"
  [[ $line == *' ' ]] && words+=('')
  got=$(complete_line "${words[@]}")
  if [[ $got != "$expected" ]]; then
    printf 'FAIL %s: "%s"\n  expected: %s\n  got:      %s\n' "$name" "$line" "$expected" "$got" >&2
    failed=1
  fi
done

# Every option --help prints is offered after "-", and nothing else.
help_options=$(reelkit-convert --help | sed '/^Presets:/,$d' |
  grep -oE -- '(^|[^A-Za-z0-9-])--?[A-Za-z][a-z-]*' | grep -oE -- '--?[A-Za-z][a-z-]*' |
  grep -vE '^-[A-Za-z][a-z-]+$' | LC_ALL=C sort -u | paste -sd '|')
offered=$(complete_line reelkit-convert -)
if [[ $offered != "$help_options" ]]; then
  printf 'FAIL the options offered differ from --help\n  --help:  %s\n  offered: %s\n' \
    "$help_options" "$offered" >&2
  failed=1
fi
((failed == 0)) && echo "${#cases[@]} cases and the options of --help"
exit "$failed"
