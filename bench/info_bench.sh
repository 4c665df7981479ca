#!/usr/bin/env bash
# Times `tavro-cli info --json` over 2,000 small MP3 files in a folder tree, side by side with
# mp3info (-x: header and tag) and ffprobe (-show_format -show_streams) on the same files.
# Each tool runs batched (as many files per process as it takes; best of five runs) and with one
# process per file (one run; ffprobe takes one file per process, so it has only this mode).
# Prints files per second and tavro-cli's ratio to each peer (above 1: tavro-cli is faster).
#   bench/info_bench.sh [BUILD_DIR]      (default: build; build it first with scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
TAVRO_BUILD_DIR=${1:-${TAVRO_BUILD_DIR:-build}} CLI=$(bench_cli)
bench_need mp3info:mp3info ffprobe:ffmpeg

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
TREE="$WORK/tree"
COUNT=2000

# Eight seeds: MPEG 1/2/2.5, CBR and VBR, mono and stereo, with and without an ID3v1 tag.
seeds=()
make_seed() { # name rate channels lame-options...
    local name=$1 rate=$2 channels=$3; shift 3
    sox -n -r "$rate" -c "$channels" -b 16 "$WORK/$name.wav" synth 1.5 sine 440 vol 0.5
    lame --quiet "$@" "$WORK/$name.wav" "$WORK/$name.mp3"
    seeds+=("$WORK/$name.mp3")
}
make_seed a 44100 2 -b 128
make_seed b 44100 2 -b 192 --id3v1-only --tt "Bench title" --ta "Bench artist" --tg Rock
make_seed c 48000 1 -b 64 -p
make_seed d 32000 2 -V 4 --id3v1-only --tt "Variable"
make_seed e 22050 2 -b 64
make_seed f 24000 1 -b 32 --id3v1-only --ta "Mono"
make_seed g 11025 1 -b 16
make_seed h 44100 2 -b 320 --id3v1-only --tc "Comment" --ty 2001

# 20 folders x 10 subfolders x 10 files.
for ((i = 0; i < COUNT; i++)); do
    dir="$TREE/d$((i / 100))/s$((i / 10 % 10))"
    mkdir -p "$dir"
    cp "${seeds[i % ${#seeds[@]}]}" "$dir/track$i.mp3"
done
find "$TREE" -name '*.mp3' -print0 | sort -z >"$WORK/list"
[[ $(tr -cd '\0' <"$WORK/list" | wc -c) -eq $COUNT ]]
find "$TREE" -name '*.mp3' -exec cat {} + >/dev/null # warm the page cache

least() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
rate() { awk -v n="$COUNT" -v t="$1" 'BEGIN { printf "%.0f", n / t }'; }
ratio() { awk -v t="$1" -v p="$2" 'BEGIN { printf "%.2f", p / t }'; } # peer time / tavro time

batch() { xargs -0 "$@" <"$WORK/list"; }
each() { xargs -0 -n1 "$@" <"$WORK/list"; }
FFPROBE=(ffprobe -v quiet -print_format json -show_format -show_streams)

# Best of five, alternating, so that other load on the machine falls on both alike.
t_batch="" m_batch=""
for ((round = 0; round < 5; round++)); do
    t_batch=$(least "$t_batch" "$(seconds batch "$CLI" info --json)")
    m_batch=$(least "$m_batch" "$(seconds batch mp3info -x)")
done
t_each=$(seconds each "$CLI" info --json)
m_each=$(seconds each mp3info -x)
f_each=$(seconds each "${FFPROBE[@]}")

printf '%-36s %10s %12s\n' "run ($COUNT files)" "seconds" "files/s"
printf '%-36s %10.3f %12s\n' "tavro-cli info --json, batched" "$t_batch" "$(rate "$t_batch")"
printf '%-36s %10.3f %12s\n' "mp3info -x, batched" "$m_batch" "$(rate "$m_batch")"
printf '%-36s %10.3f %12s\n' "tavro-cli info --json, per file" "$t_each" "$(rate "$t_each")"
printf '%-36s %10.3f %12s\n' "mp3info -x, per file" "$m_each" "$(rate "$m_each")"
printf '%-36s %10.3f %12s\n' "ffprobe, per file (its only mode)" "$f_each" "$(rate "$f_each")"
echo
echo "tavro-cli / mp3info, batched:   $(ratio "$t_batch" "$m_batch") x"
echo "tavro-cli / mp3info, per file:  $(ratio "$t_each" "$m_each") x"
echo "tavro-cli batched / ffprobe:    $(ratio "$t_batch" "$f_each") x"
echo "tavro-cli / ffprobe, per file:  $(ratio "$t_each" "$f_each") x"
