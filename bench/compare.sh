#!/usr/bin/env bash
# Every task of the project beside the peer a user would otherwise script, in one run, written to
# docs/PERFORMANCE.md: both medians of RUNS interleaved runs (peer, then tavro), the ratio
# (tavro / peer: below 1 is faster), and the peak resident memory of each.
# Usage: bench/compare.sh [RUNS]   (default 5; builds first, installs the peers when missing,
#        needs ./test.sh's packages; the cold-cache row needs root to drop the page cache)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
RUNS=${1:-5}
scripts/build.sh >/dev/null
source bench/common.sh
CLI=$(bench_cli)
bench_need lame:lame cd-paranoia:cd-paranoia mp3info:mp3info id3v2:id3v2 /usr/bin/time:time
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export CLI WORK TMPDIR="$WORK/tmp" TAVRO_CDRIP_INI="$WORK/cdrip.ini"
mkdir -p "$TMPDIR"
ROWS=()

# One run of a shell command: "seconds peak-kilobytes" (the largest process it started).
once() {
    local start=$EPOCHREALTIME
    /usr/bin/time -f %M -o "$WORK/rss" bash -c "$1" >/dev/null 2>&1 ||
        { echo "failed: $1" >&2; exit 1; }
    echo "$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { print b - a }') $(tail -n 1 "$WORK/rss")"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
shown() { # seconds, divisor -> "1.23 s" or "4.5 ms" for each of divisor calls
    awk -v s="$1" -v n="$2" 'BEGIN { s /= n; if (s < 1) printf "%.2f ms", s * 1000; else printf "%.2f s", s }'
}
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
# compare TASK PEER-NAME PEER-COMMAND TAVRO-COMMAND AIM [CALLS] [BEFORE-EACH]
# CALLS: the commands make that many calls, and times are shown per call.
compare() {
    local task=$1 peer=$2 peer_cmd=$3 tavro_cmd=$4 aim=$5 calls=${6:-1} before=${7:-true}
    local r p t p_rss=0 t_rss=0
    : >"$WORK/p"
    : >"$WORK/t"
    for ((r = 0; r < RUNS; r++)); do
        eval "$before"
        read -r p rss < <(once "$peer_cmd")
        echo "$p" >>"$WORK/p"
        p_rss=$((rss > p_rss ? rss : p_rss))
        eval "$before"
        read -r t rss < <(once "$tavro_cmd")
        echo "$t" >>"$WORK/t"
        t_rss=$((rss > t_rss ? rss : t_rss))
    done
    p=$(median <"$WORK/p")
    t=$(median <"$WORK/t")
    ROWS+=("| $task | $peer | $(shown "$p" "$calls") | $(shown "$t" "$calls") | $(awk -v a="$t" -v b="$p" 'BEGIN { printf "%.2f", a / b }') | $(mib "$p_rss") | $(mib "$t_rss") | $aim |")
    echo "${ROWS[-1]}" >&2
}

# Encoding: three minutes of noise, different in each channel.
sox -n -r 44100 -c 2 -b 16 "$WORK/in.wav" synth 180 pinknoise brownnoise vol 0.3
compare "WAV → MP3, 3:00, CBR 128" '`lame -b 128 --nores`' \
    'lame --quiet -b 128 --nores "$WORK/in.wav" "$WORK/lame.mp3"' \
    '"$CLI" encode "$WORK/in.wav" "$WORK/tavro.mp3" --preset cbr --bitrate 128 --force' "—"

# Ripping: a disc image of three 200-second tracks.
sox -n -r 44100 -c 2 -b 16 -e signed -L -t raw "$WORK/disc.bin" synth 600 pinknoise brownnoise vol 0.3
{
    printf 'FILE "disc.bin" BINARY\n'
    for n in 1 2 3; do
        printf '  TRACK 0%d AUDIO\n    INDEX 01 %02d:%02d:00\n' $n $(((n - 1) * 200 / 60)) $(((n - 1) * 200 % 60))
    done
} >"$WORK/disc.cue"
compare "rip track 1 of an image to WAV" '`cd-paranoia`' \
    'cd-paranoia -q -d "$WORK/disc.cue" -w 1 "$WORK/peer.wav"' \
    '"$CLI" rip --image "$WORK/disc.cue" --track 1 --force "$WORK/tavro.wav"' "—"
compare "rip + encode a 10-minute 3-track disc, CBR 128 ($(nproc) cores)" \
    '`cd-paranoia -w N - \| lame`, track after track' \
    'for n in 1 2 3; do cd-paranoia -q -d "$WORK/disc.cue" -w $n - | lame --quiet -b 128 --nores - "$WORK/p$n.mp3"; done' \
    '"$CLI" rip --image "$WORK/disc.cue" --all --preset cbr --bitrate 128 --force "$WORK/t%N.mp3"' "≤ 0.60"

# Searching: 2,000 files in 125 folders, eight sources linked under many names; a quarter have
# no info frame (as old encoders wrote them), so their exact duration takes a scan of every frame.
SEEDS=("-b 128" "-b 192" "-V 2" "-V 5" "--abr 160" "-V 6 --resample 22.05 -m m" "-t -V 2" "-t -b 128")
for i in "${!SEEDS[@]}"; do
    sox -n -r 44100 -c 2 -b 16 "$WORK/s.wav" synth $((150 + 10 * i)) pinknoise vol 0.3
    lame --quiet ${SEEDS[i]} --tt "Title $i" "$WORK/s.wav" "$WORK/seed$i.mp3"
done
for ((i = 0; i < 2000; i++)); do
    dir="$WORK/tree/Artist $((i / 80))/Album $((i / 20 % 4))"
    mkdir -p "$dir"
    ln "$WORK/seed$((i % 8)).mp3" "$dir/$((i % 20)) - Track $i.mp3"
done
cat "$WORK"/tree/*/*/*.mp3 >/dev/null
compare "walk + durations, 2,000 files, warm cache" "\`find -exec mp3info -p %S {} +\`" \
    'find "$WORK/tree" -name "*.mp3" -exec mp3info -p "%S\n" {} +' \
    '"$CLI" search "$WORK/tree"' "≤ 0.50"
if (echo 3 >/proc/sys/vm/drop_caches) 2>/dev/null; then
    compare "walk + durations, 2,000 files, cold cache" "\`find -exec mp3info -p %S {} +\`" \
        'find "$WORK/tree" -name "*.mp3" -exec mp3info -p "%S\n" {} +' \
        '"$CLI" search "$WORK/tree"' "≤ 0.50" 1 'sync; echo 3 >/proc/sys/vm/drop_caches'
fi

# One call per file, on 200 files: start-up dominates.
mkdir -p "$WORK/calls"
for ((i = 0; i < 200; i++)); do cp "$WORK/seed$((i % 8)).mp3" "$WORK/calls/$i.mp3"; done
printf 'int main(void) { return 0; }\n' >"$WORK/floor.c"
# A C program that does nothing but links what tavro-cli links: the floor of its start-up.
cc -O2 "$WORK/floor.c" -o "$WORK/floor" -Wl,--no-as-needed $(ldd "$CLI" | awk '$3 ~ /^\// { print $3 }')
compare "start-up, one call doing nothing" "C program linking tavro-cli's libraries" \
    'for f in "$WORK"/calls/*.mp3; do "$WORK/floor"; done' \
    'for f in "$WORK"/calls/*.mp3; do "$CLI" --version; done' "—" 200
compare "MPEG header and tag, one call per file" '`mp3info`' \
    'for f in "$WORK"/calls/*.mp3; do mp3info "$f"; done' \
    'for f in "$WORK"/calls/*.mp3; do "$CLI" info "$f"; done' "—" 200
compare "ID3 tag, one call per file" '`id3v2 -l`' \
    'for f in "$WORK"/calls/*.mp3; do id3v2 -l "$f"; done' \
    'for f in "$WORK"/calls/*.mp3; do "$CLI" info "$f"; done' "≤ 1.00" 200
compare "write an ID3v1 tag, one call per file" '`id3v2 -1 -t`' \
    'for f in "$WORK"/calls/*.mp3; do id3v2 -1 -t "Peer" "$f"; done' \
    'for f in "$WORK"/calls/*.mp3; do "$CLI" tag "$f" --title "Tavro"; done' "—" 200

# Cutting and merging: 50 MB files, against the plain byte tools doing the same copy. The source
# is CBR 128 without an info frame, so its length in seconds is its size at 16,000 bytes a second.
for ((i = 0; i <= 50000000 / $(stat -c %s "$WORK/seed7.mp3"); i++)); do cat "$WORK/seed7.mp3"; done >"$WORK/a.mp3"
truncate -s 50000000 "$WORK/a.mp3"
cp "$WORK/a.mp3" "$WORK/b.mp3"
compare "merge two 50 MB MP3 files" '`cat A B > C`' \
    'cat "$WORK/a.mp3" "$WORK/b.mp3" >"$WORK/cat.mp3"' \
    '"$CLI" merge "$WORK/a.mp3" "$WORK/b.mp3" "$WORK/merged.mp3" --force' "—"
compare "cut 30 MB (seconds 625-2500) out of a 50 MB MP3 file" '`dd` of the same bytes' \
    'dd if="$WORK/a.mp3" of="$WORK/dd.mp3" bs=1M iflag=skip_bytes,count_bytes skip=10000000 count=30000000' \
    '"$CLI" cut "$WORK/a.mp3" "$WORK/cut.mp3" --from 625 --to 2500 --force' "—"

# The player window, idle and playing, in % of one core.
cpu=$(bench/player_cpu.sh 20 2>/dev/null)
idle=$(awk '$1 == "idle" { print $3 }' <<<"$cpu")
playing=$(awk '$1 == "playing" { print $3 }' <<<"$cpu")

# The page's own words on the aims, from "## The aims" on, are kept as they are.
PAGE=$ROOT/docs/PERFORMANCE.md
AIMS=$(sed -n '/^## The aims$/,$p' "$PAGE" 2>/dev/null || true)
cat >"$PAGE" <<EOF
# Performance

Tavro beside the programs a user would otherwise script, measured in one run of
\`bench/compare.sh\` (median of $RUNS interleaved runs each; ratio = Tavro's time ÷ the peer's,
below 1 is faster; peak RSS = the largest process a command started). Per-call rows give the time
of one call, from loops of 200 calls. The deeper benchmarks of each task are the other scripts in
\`bench/\`.

Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores ($(lscpu | sed -n 's/^Model name: *//p' | head -n 1)),
$(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r), load average $(cut -d' ' -f1-3 /proc/loadavg) at the end.

| task | peer | peer | Tavro | ratio | peer peak RSS | Tavro peak RSS | aim |
|---|---|---|---|---|---|---|---|
$(printf '%s\n' "${ROWS[@]}")

Player window (Xvfb when installed, else offscreen; % of one core over 20 s): idle $idle %, playing $playing % (aim: idle under 1 %).
EOF
[[ -z $AIMS ]] || printf '\n%s\n' "$AIMS" >>"$PAGE"
echo "wrote docs/PERFORMANCE.md" >&2
