#!/usr/bin/env bash
# Encoding speed of `tavro-cli encode` against Debian's lame command line at the same settings
# (same library, bit reservoir off as the encoder's record sets it), on a 3-minute 44.1 kHz
# stereo WAV. Each encode runs once; the ratio is tavro / lame (below 1.0 = tavro faster).
# "lame -RG" is lame without its ReplayGain analysis: its output is byte-identical to tavro's.
# Usage: bench/encode_bench.sh   (after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
CLI=$(bench_cli)

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# Noise, different in each channel: the hardest case for the psychoacoustic model.
sox -n -r 44100 -c 2 -b 16 "$WORK/in.wav" synth 180 pinknoise brownnoise vol 0.3

printf '%-10s %9s %9s %9s %10s %10s %s\n' setting tavro lame lame-RG ratio ratio-RG same-audio
run() { # name, tavro options, lame options
    local name=$1 tavro_opts=$2 lame_opts=$3
    local t l r
    t=$(seconds "$CLI" encode "$WORK/in.wav" "$WORK/$name-tavro.mp3" $tavro_opts)
    l=$(seconds lame --quiet $lame_opts "$WORK/in.wav" "$WORK/$name-lame.mp3")
    r=$(seconds lame --quiet --noreplaygain $lame_opts "$WORK/in.wav" "$WORK/$name-lame-rg.mp3")
    local same=no
    cmp -s "$WORK/$name-tavro.mp3" "$WORK/$name-lame-rg.mp3" && same=yes
    printf '%-10s %8.2fs %8.2fs %8.2fs %10.3f %10.3f %s\n' "$name" "$t" "$l" "$r" \
        "$(awk -v a="$t" -v b="$l" 'BEGIN { print a / b }')" "$(awk -v a="$t" -v b="$r" 'BEGIN { print a / b }')" "$same"
}

run cbr128 "--preset cbr --bitrate 128" "-b 128 --nores"
run standard "--preset standard" "--preset standard --nores"
run insane "--preset insane" "--preset insane --nores"
