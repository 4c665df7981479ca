#!/usr/bin/env bash
# Ripping speed of `tavro-cli rip` against libcdio's own cd-paranoia on the same CUE/BIN image
# of one 4-minute track (noise, different in each channel), both through paranoia's full mode:
#   rip         tavro-cli rip ... out.wav              vs  cd-paranoia -w 1 out.wav
#   rip+encode  tavro-cli rip ... --preset standard    vs  cd-paranoia -w 1 - | lame --preset standard --nores
# (tavro's encoder runs with the bit reservoir off; "lame-RG" also leaves out ReplayGain, the
# same work as tavro). Each command runs once; ratio = tavro / peer (below 1.0 = tavro faster).
# The pipe lets cd-paranoia and lame run at once on two cores; tavro rips, then encodes.
# Installs Debian's cd-paranoia when missing. Usage: bench/rip_bench.sh   (after scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
CLI=$(bench_cli)
bench_need cd-paranoia:cd-paranoia

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export TAVRO_CDRIP_INI="$WORK/cdrip.ini" TMPDIR="$WORK/tmp"
mkdir -p "$TMPDIR"
sox -n -r 44100 -c 2 -b 16 -e signed -L -t raw "$WORK/disc.bin" synth 240 pinknoise brownnoise vol 0.3
printf 'FILE "disc.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n' > "$WORK/disc.cue"
cat "$WORK/disc.bin" >/dev/null # both read it from the page cache

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
peer_encode() { # lame options... ; output is the last argument
    cd-paranoia -q -d "$WORK/disc.cue" -w 1 - | lame --quiet --preset standard --nores "$@"
}

t=$(seconds "$CLI" rip --image "$WORK/disc.cue" --track 1 "$WORK/tavro.wav")
p=$(seconds cd-paranoia -q -d "$WORK/disc.cue" -w 1 "$WORK/peer.wav")
same=no
cmp -s <(tail -c +47 "$WORK/tavro.wav") <(tail -c +45 "$WORK/peer.wav") && same=yes
printf '%-11s %8s %8s %8s %8s %8s %s\n' step tavro peer ratio lame-RG ratio-RG same-audio
printf '%-11s %7.2fs %7.2fs %8s %8s %8s %s\n' rip "$t" "$p" "$(ratio "$t" "$p")" - - "$same"

t=$(seconds "$CLI" rip --image "$WORK/disc.cue" --track 1 --preset standard "$WORK/tavro.mp3")
p=$(seconds peer_encode - "$WORK/peer.mp3")
r=$(seconds peer_encode --noreplaygain - "$WORK/peer-rg.mp3")
printf '%-11s %7.2fs %7.2fs %8s %7.2fs %8s %s\n' rip+encode "$t" "$p" "$(ratio "$t" "$p")" "$r" "$(ratio "$t" "$r")" -

# A whole disc, three 200-second tracks at CBR 128: tavro with its encoders on every core, and
# with one (--jobs 1), against ripping and encoding one track after the other with the peers.
sox -n -r 44100 -c 2 -b 16 -e signed -L -t raw "$WORK/disc3.bin" synth 600 pinknoise brownnoise vol 0.3
printf 'FILE "disc3.bin" BINARY\n' > "$WORK/disc3.cue"
for n in 1 2 3; do
    printf '  TRACK 0%d AUDIO\n    INDEX 01 %02d:%02d:00\n' $n $(((n - 1) * 200 / 60)) $(((n - 1) * 200 % 60))
done >> "$WORK/disc3.cue"
cat "$WORK/disc3.bin" >/dev/null
peer_disc() {
    for n in 1 2 3; do
        cd-paranoia -q -d "$WORK/disc3.cue" -w $n - | lame --quiet -b 128 --cbr --nores - "$WORK/p$n.mp3"
    done
}
t=$(seconds "$CLI" rip --image "$WORK/disc3.cue" --all --preset cbr --bitrate 128 "$WORK/t%N.mp3")
o=$(seconds "$CLI" rip --image "$WORK/disc3.cue" --all --preset cbr --bitrate 128 --jobs 1 "$WORK/o%N.mp3")
p=$(seconds peer_disc)
same=yes
for n in 1 2 3; do cmp -s "$WORK/t0$n.mp3" "$WORK/o0$n.mp3" || same=no; done
printf '%-11s %7.2fs %7.2fs %8s   (--jobs 1: %.2fs, ratio %s; same files: %s; %d cores)\n' whole-disc \
    "$t" "$p" "$(ratio "$t" "$p")" "$o" "$(ratio "$o" "$p")" "$same" "$(nproc)"
