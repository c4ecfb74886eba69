#!/usr/bin/env bash
# reelkit-convert beside HandBrakeCLI, on the same clips with matched settings:
# the mp4 preset at its quality (x264 CRF 23, preset medium) against
# HandBrakeCLI -e x264 -q 23 --encoder-preset medium, and both in two passes
# at the same video bitrate; AAC 192 kb/s on both sides, the source's size,
# no filter on either side. For each run it records the output's size, its
# SSIM and PSNR against the source, the CPU time (user + system) of the whole
# process tree and the largest process's peak memory, and prints a Markdown
# table with the ratios reelkit / HandBrake.
#
#   bench/sidebyside.sh [--repetitions N] [--seconds S] [--only CLIP]
#
# Installs what is missing (handbrake-cli, time, ffmpeg) with apt-get, as root
# or through sudo. The converter is REELKIT_CONVERT when set, otherwise the
# release build of this checkout in build/release (built when missing). The
# clips are made with ffmpeg's test sources in a scratch folder removed on exit.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

repetitions=2
seconds=10
only=
crf=23
kbps=2500
while (($# > 0)); do
  case $1 in
    --repetitions) repetitions=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "sidebyside: unknown argument $1" >&2; exit 2 ;;
  esac
done

# --- what is needed -----------------------------------------------------------
missing=()
for p in handbrake-cli time ffmpeg; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]} > 0)); then
  sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  echo "sidebyside: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

convert=${REELKIT_CONVERT:-}
if [[ -z "$convert" ]]; then
  build=$here/build/release
  convert=$build/reelkit-convert.app/Contents/MacOS/reelkit-convert
  if [[ ! -x "$convert" ]]; then
    "$here/scripts/setup.sh"
    "$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DREELKIT_BUILD_TESTS=OFF -DREELKIT_BUILD_APPS=ON >&2
  fi
fi
[[ -x "$convert" ]] || { echo "sidebyside: no converter at $convert" >&2; exit 3; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/reelkit-sidebyside.XXXXXX")
trap 'rm -rf -- "$scratch"' EXIT
# HandBrakeCLI keeps its two-pass statistics in the temporary folder.
export TMPDIR=$scratch
started=$SECONDS

say() { echo "$@" >&2; }

# --- the clips ----------------------------------------------------------------
# Lossless H.264 and PCM sound in Matroska: both tools decode the same frames
# and encode the sound (an AAC source of 192 kb/s would be copied by reelkit).
# Each has a fixed seed, so every run encodes the same pictures.
declare -A picture sound
clips=(grain mandelbrot life)
picture[grain]="testsrc2=size=1920x1080:rate=25,noise=alls=12:allf=t+u:all_seed=11"
sound[grain]="sine=frequency=440:sample_rate=48000"
picture[mandelbrot]="mandelbrot=size=1280x720:rate=25:maxiter=256:end_pts=$seconds:start_scale=3:end_scale=0.3"
sound[mandelbrot]="anoisesrc=color=pink:amplitude=0.2:sample_rate=48000:seed=5"
picture[life]="life=size=320x180:rate=25:ratio=0.25:mold=8:seed=7:life_color=#ffd040:death_color=#102040:mold_color=#50a060,scale=1920:1080:flags=neighbor"
sound[life]="sine=frequency=220:beep_factor=4:sample_rate=48000"
declare -A about
about[grain]="1920x1080, ffmpeg's testsrc2 under moving film-grain noise, a 440 Hz tone"
about[mandelbrot]="1280x720, a zoom into the Mandelbrot set, pink noise"
about[life]="1920x1080, Conway's life in 6x6-pixel cells with mould, a beeping tone"

make_clip() {
  local name=$1 out=$scratch/$1.mkv
  ffmpeg -nostdin -hide_banner -loglevel error -y \
    -f lavfi -i "${picture[$name]}" -f lavfi -i "${sound[$name]}" -t "$seconds" \
    -map 0:v -map 1:a -c:v libx264 -preset ultrafast -qp 0 -pix_fmt yuv420p \
    -c:a pcm_s16le -ac 2 "$out"
}

# --- measures -----------------------------------------------------------------
# "frames,width,height" of the first video stream, counted.
video_facts() {
  ffprobe -v error -select_streams v:0 -count_packets \
    -show_entries stream=nb_read_packets,width,height -of csv=p=0 "$1" |
    awk -F, '{print $3 "," $1 "," $2}'
}
# Bytes of the first video stream's packets.
video_bytes() {
  ffprobe -v error -select_streams v:0 -show_entries packet=size -of csv=p=0 "$1" |
    awk '{s += $1} END {print s + 0}'
}
# "codec,rate,channels,bitrate" of the first sound stream, or nothing.
audio_facts() {
  ffprobe -v error -select_streams a:0 -show_entries stream=codec_name,sample_rate,channels,bit_rate \
    -of csv=p=0 "$1"
}
# The MD5 of the first video stream's packets: the same for the same H.264.
video_md5() {
  ffmpeg -nostdin -v error -i "$1" -map 0:v:0 -c copy -f md5 - | sed 's/^MD5=//'
}
x264_options() {
  { strings "$1" | grep -m1 'x264 - core' | sed 's/.*options: //'; } || true
}

# SSIM (All) and PSNR (average) of an output against its source, frames lined
# up from the first; the output scaled to the source's size if it differs.
# Prints "ssim psnr frames-compared scaled".
quality_of() {
  local out=$1 src=$2 sw sh ow oh scale='' scaled=no
  IFS=, read -r _ sw sh <<<"$(video_facts "$src")"
  IFS=, read -r _ ow oh <<<"$(video_facts "$out")"
  if [[ "$sw" != "$ow" || "$sh" != "$oh" ]]; then
    scale=",scale=$sw:$sh:flags=bicubic"
    scaled=yes
  fi
  local log=$scratch/quality.log stats=$scratch/ssim.stats
  ffmpeg -nostdin -hide_banner -i "$out" -i "$src" -lavfi \
    "[0:v]setpts=PTS-STARTPTS$scale,split[o1][o2];[1:v]setpts=PTS-STARTPTS,split[s1][s2];[o1][s1]ssim=stats_file=$stats;[o2][s2]psnr" \
    -f null - >"$log" 2>&1
  local ssim psnr
  ssim=$(grep -o 'All:[0-9.]*' "$log" | tail -1 | cut -d: -f2)
  psnr=$(grep -o 'average:[0-9.inf]*' "$log" | tail -1 | cut -d: -f2)
  echo "$ssim $psnr $(wc -l <"$stats") $scaled"
}

# "smallest–largest" of the numbers on standard input.
spread() { sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%.1f–%.1f", lo, hi}'; }
median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# Runs a command under GNU time: its CPU (user + system, with the children it
# waited for) and the largest process's peak resident memory, in KiB.
timed() {
  local times=$1
  shift
  /usr/bin/time -f '%U %S %M' -o "$times" "$@"
}

# The HandBrake log must show the settings asked for, and no filter.
check_handbrake_log() {
  local log=$1 mode=$2 w=$3 h=$4 ok=1 want
  local -a wanted=("preset:  medium" "storage dimensions: $w x $h" "ratio: 1 : 1"
    "encoder: AAC (libavcodec)" "bitrate: 192 kbps, samplerate: 48000 Hz" "mixdown: Stereo")
  if [[ $mode == quality ]]; then
    wanted+=("quality: $crf.00 (RF)")
  else
    wanted+=("bitrate: $kbps kbps, pass: 1" "fast first pass" "bitrate: $kbps kbps, pass: 2")
  fi
  for want in "${wanted[@]}"; do
    grep -qF -- "$want" "$log" || { say "  HandBrakeCLI's log lacks \"$want\""; ok=0; }
  done
  if tr '\r' '\n' <"$log" | sed -n '/job configuration:/,/encoder: H.264/p' | grep '+ filters' >/dev/null; then
    say "  HandBrakeCLI applied filters:"
    tr '\r' '\n' <"$log" | sed -n '/+ filters/,/Output geometry/p' >&2
    ok=0
  fi
  ((ok)) || { say "  log kept: $log"; return 1; }
}

handbrake_common=(-f av_mp4 -O --no-markers -e x264 --encoder-preset medium
  --crop 0:0:0:0 --non-anamorphic --no-deinterlace --no-decomb --no-comb-detect
  --no-detelecine --no-hqdn3d --no-nlmeans
  -a 1 -E av_aac -B 192 -R 48 -6 stereo)

# One run of one tool: leaves the output in $scratch/out/<tool>.mp4 and its
# "cpu peak-KiB" in $scratch/out/<tool>.time.
run_tool() {
  local tool=$1 mode=$2 src=$3 name=$4 dir=$scratch/out/$1
  rm -rf -- "$dir"
  mkdir -p "$dir"
  if [[ $tool == reelkit ]]; then
    local -a rate=(-q "$crf")
    [[ $mode == quality ]] || rate=(-b "$kbps")
    # The converter's check of its output (a whole decode) is left out:
    # HandBrakeCLI does none.
    timed "$dir.time" "$convert" --terminal --overwrite --no-verify -p mp4 "${rate[@]}" -o "$dir" "$src" \
      >"$dir.log" 2>&1 || { say "reelkit-convert failed:"; tail -5 "$dir.log" >&2; return 1; }
    mv -- "$dir/$name.mp4" "$scratch/out/$tool.mp4"
  else
    local -a rate=(-q "$crf")
    [[ $mode == quality ]] || rate=(-b "$kbps" --two-pass --turbo)
    timed "$dir.time" HandBrakeCLI -v1 -i "$src" -o "$scratch/out/$tool.mp4" "${handbrake_common[@]}" "${rate[@]}" \
      >"$dir.log" 2>&1 || { say "HandBrakeCLI failed:"; tail -5 "$dir.log" >&2; return 1; }
  fi
  awk '{printf "%.2f %d\n", $1 + $2, $3}' "$dir.time" >"$scratch/out/$tool.cpu"
}

# --- the runs -----------------------------------------------------------------
mb() { awk -v b="$1" 'BEGIN {printf "%.2f", b / 1048576}'; }
kbs() { awk -v b="$1" -v s="$seconds" 'BEGIN {printf "%.0f", b * 8 / s / 1000}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", a / b}'; }

say "sidebyside: $("$convert" --version 2>&1 | head -1); $(HandBrakeCLI --version 2>/dev/null | grep -m1 HandBrake)"
say "sidebyside: ffmpeg $(ffmpeg -version | awk 'NR == 1 {print $3}'); $repetitions repetitions; clips of $seconds s"
say "sidebyside: load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
rows=()
notes=()
same_video=()
for clip in "${clips[@]}"; do
  [[ -z "$only" || "$clip" == *"$only"* ]] || continue
  say "[$clip] making the clip: ${about[$clip]}"
  make_clip "$clip"
  src=$scratch/$clip.mkv
  IFS=, read -r src_frames src_w src_h <<<"$(video_facts "$src")"
  for mode in quality bitrate; do
    declare -A first_size=() measured=() md5=()
    cpus_reelkit=() cpus_handbrake=() peaks_reelkit=() peaks_handbrake=()
    for ((rep = 1; rep <= repetitions; rep++)); do
      # Alternate which tool goes first, so that a slow spell of the machine
      # does not always fall on the same side.
      order=(reelkit handbrake)
      ((rep % 2)) || order=(handbrake reelkit)
      for tool in "${order[@]}"; do
        say "[$clip] $mode, $tool, run $rep of $repetitions"
        run_tool "$tool" "$mode" "$src" "$clip"
        read -r c p <"$scratch/out/$tool.cpu"
        bytes=$(stat -c %s "$scratch/out/$tool.mp4")
        if [[ $tool == reelkit ]]; then
          cpus_reelkit+=("$c"); peaks_reelkit+=("$p")
        else
          cpus_handbrake+=("$c"); peaks_handbrake+=("$p")
        fi
        if ((rep == 1)); then
          first_size[$tool]=$bytes
          # Measured once: x264 is deterministic here, and later runs are
          # checked to give the same size.
          [[ $tool == reelkit ]] || check_handbrake_log "$scratch/out/handbrake.log" "$mode" "$src_w" "$src_h" ||
            notes+=("$clip $mode: HandBrakeCLI's log did not show every setting asked for")
          IFS=, read -r f w h <<<"$(video_facts "$scratch/out/$tool.mp4")"
          audio=$(audio_facts "$scratch/out/$tool.mp4")
          vbytes=$(video_bytes "$scratch/out/$tool.mp4")
          read -r ssim psnr compared scaled <<<"$(quality_of "$scratch/out/$tool.mp4" "$src")"
          opts=$(x264_options "$scratch/out/$tool.mp4")
          echo "$opts" >"$scratch/$clip.$mode.$tool.x264"
          say "  $tool: $f frames ${w}x$h (source $src_frames ${src_w}x$src_h), sound ${audio:-none}, video $(kbs "$vbytes") kb/s, SSIM $ssim over $compared frames, PSNR $psnr"
          [[ "$f" == "$src_frames" ]] || notes+=("$clip $mode $tool: $f frames for the source's $src_frames")
          [[ "$w" == "$src_w" && "$h" == "$src_h" ]] || notes+=("$clip $mode $tool: ${w}x$h for the source's ${src_w}x$src_h")
          [[ "$compared" == "$src_frames" ]] || notes+=("$clip $mode $tool: SSIM over $compared frames, the source has $src_frames")
          [[ "$scaled" == no ]] || notes+=("$clip $mode $tool: scaled to the source's size for SSIM and PSNR")
          [[ "$audio" == aac,48000,2,* ]] || notes+=("$clip $mode $tool: sound is \"${audio:-none}\", not AAC 48 kHz stereo")
          awk '{exit ($1 < 1)}' "$scratch/out/$tool.cpu" ||
            notes+=("$clip $mode $tool: CPU time under a second, the encode was not counted")
          measured[$tool]="$ssim $psnr $vbytes"
          md5[$tool]=$(video_md5 "$scratch/out/$tool.mp4")
        elif [[ "$bytes" != "${first_size[$tool]}" ]]; then
          notes+=("$clip $mode $tool: run $rep gave $bytes bytes, run 1 ${first_size[$tool]}")
        fi
      done
    done
    if ! diff <(tr ' ' '\n' <"$scratch/$clip.$mode.reelkit.x264") <(tr ' ' '\n' <"$scratch/$clip.$mode.handbrake.x264") \
      >"$scratch/x264.diff"; then
      notes+=("$clip $mode: x264 options differ: $(grep '^[<>]' "$scratch/x264.diff" | tr '\n' ' ')")
    else
      say "  x264 options: the same on both sides"
    fi
    if [[ "${md5[reelkit]}" == "${md5[handbrake]}" ]]; then
      say "  H.264 streams: the same, byte for byte"
      same_video+=("$clip $mode")
    fi
    rk_cpu=$(printf '%s\n' "${cpus_reelkit[@]}" | median)
    hb_cpu=$(printf '%s\n' "${cpus_handbrake[@]}" | median)
    rk_spread=$(printf '%s\n' "${cpus_reelkit[@]}" | spread)
    hb_spread=$(printf '%s\n' "${cpus_handbrake[@]}" | spread)
    rk_peak=$(printf '%s\n' "${peaks_reelkit[@]}" | median)
    hb_peak=$(printf '%s\n' "${peaks_handbrake[@]}" | median)
    read -r rk_ssim rk_psnr rk_vbytes <<<"${measured[reelkit]}"
    read -r hb_ssim hb_psnr hb_vbytes <<<"${measured[handbrake]}"
    rows+=("| $clip | $mode | reelkit-convert | $(mb "${first_size[reelkit]}") | $(kbs "$rk_vbytes") | $rk_ssim | $rk_psnr | $(printf '%.1f' "$rk_cpu") ($rk_spread) | $(awk -v k="$rk_peak" 'BEGIN {printf "%.0f", k / 1024}') | $(ratio "${first_size[reelkit]}" "${first_size[handbrake]}") | $(ratio "$rk_cpu" "$hb_cpu") |")
    rows+=("| $clip | $mode | HandBrakeCLI | $(mb "${first_size[handbrake]}") | $(kbs "$hb_vbytes") | $hb_ssim | $hb_psnr | $(printf '%.1f' "$hb_cpu") ($hb_spread) | $(awk -v k="$hb_peak" 'BEGIN {printf "%.0f", k / 1024}') | | |")
  done
  rm -f -- "$src"
done

echo
echo "quality: CRF $crf; bitrate: $kbps kb/s in two passes; x264 preset medium; AAC 192 kb/s."
echo "CPU: median of $repetitions runs (smallest–largest), user + system of the whole process tree. Size, SSIM, PSNR: run 1."
echo
echo "| clip | mode | tool | size (MB) | video kb/s | SSIM | PSNR (dB) | CPU (s) | peak (MB) | size reelkit / HandBrake | CPU reelkit / HandBrake |"
echo "|:--|:--|:--|--:|--:|--:|--:|--:|--:|--:|--:|"
printf '%s\n' "${rows[@]}"
echo
for clip in "${clips[@]}"; do
  [[ -f "$scratch/$clip.quality.reelkit.x264" ]] || continue
  echo "x264 options, $clip, quality, reelkit-convert: $(cat "$scratch/$clip.quality.reelkit.x264")"
  echo "x264 options, $clip, quality, HandBrakeCLI:    $(cat "$scratch/$clip.quality.handbrake.x264")"
  break
done
if ((${#same_video[@]} > 0)); then
  echo
  echo "the same H.264 stream, byte for byte, from both tools: $(printf '%s; ' "${same_video[@]}" | sed 's/; $//')"
fi
if ((${#notes[@]} > 0)); then
  echo
  printf 'note: %s\n' "${notes[@]}"
fi
echo
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg); $((SECONDS - started)) s in all"
