#!/usr/bin/env bash
# Search speed of `tavro-cli search` (walk + duration of every file) on trees of 2,000 MP3 files
# in 110 folders, against
#   find DIR -name '*.mp3'                 the walk alone
#   mp3info -p %S, one process for all     durations from the first frame header
#   ffprobe, one process per file          durations from a media framework
# Each runs once, on a warm file cache (one pass over the tree first).
# Tree "tagged": 6 source files of 150-240 s as LAME writes them, with an info frame (CBR, VBR,
# ABR, MPEG-2 mono). Tree "mixed": the same plus two sources without an info frame (lame -t,
# as old encoders wrote them, one VBR), so a quarter of the files must be scanned frame by frame.
# Each source is linked 250-333 times under different names, so the trees cost little disk.
# A last table compares the durations each tool reports with the true length.
# Usage: bench/search_bench.sh   (after scripts/build.sh; installs ffmpeg and mp3info if missing)
#        FFPROBE_FILES=200 bench/search_bench.sh   times ffprobe on that many files and scales up
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
CLI=$(bench_cli)
bench_need ffprobe:ffmpeg mp3info:mp3info

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# name, seconds, lame options
SOURCES=(
    "cbr128 200 -b 128"
    "cbr192 230 -b 192"
    "vbr2 180 -V 2"
    "vbr5 240 -V 5"
    "abr160 210 --abr 160"
    "mpeg2mono 150 -V 6 --resample 22.05 -m m"
    "untagged-vbr2 200 -t -V 2"
    "untagged-cbr128 190 -t -b 128"
)
echo "making ${#SOURCES[@]} source files ..." >&2
for source in "${SOURCES[@]}"; do
    read -r name seconds options <<<"$source"
    sox -n -r 44100 -c 2 -b 16 "$WORK/$name.wav" synth "$seconds" pinknoise vol 0.3
    lame --quiet $options "$WORK/$name.wav" "$WORK/$name.mp3"
    rm "$WORK/$name.wav"
done

# 10 top folders of 10 folders with 20 files each: 2,000 files in 110 folders (plus the start).
make_tree() { # tree, number of sources to use
    local n=0 top sub track name dir
    for top in $(seq -w 1 10); do
        for sub in $(seq -w 1 10); do
            dir="$1/Artist $top/Album $sub"
            mkdir -p "$dir"
            for track in $(seq -w 1 20); do
                read -r name _ <<<"${SOURCES[$((n % $2))]}"
                ln "$WORK/$name.mp3" "$dir/$track - Track $name.mp3"
                n=$((n + 1))
            done
        done
    done
    cat "$1"/*/*/*.mp3 >/dev/null # warm-up
}
make_tree "$WORK/tagged" 6
make_tree "$WORK/mixed" 8
FILES=$(find "$WORK/tagged" -name '*.mp3' | wc -l)
FOLDERS=$(find "$WORK/tagged" -type d | wc -l)

mp3info_all() { find "$1" -name '*.mp3' -print0 | xargs -0 mp3info -p '%S\n'; }
ffprobe_loop() { # tree, how many files
    find "$1" -name '*.mp3' | head -n "$2" | while IFS= read -r f; do
        ffprobe -v error -show_entries format=duration -of csv=p=0 "$f"
    done
}
row() { # name, seconds, tavro's seconds
    printf '%-22s %9.3fs %10.0f %14.2f\n' "$1" "$2" "$(awk -v n="$FILES" -v t="$2" 'BEGIN { print n / t }')" \
        "$(awk -v t="$2" -v r="$3" 'BEGIN { print t / r }')"
}

probe_files=${FFPROBE_FILES:-$FILES}
echo
echo "$FILES files in $FOLDERS folders"
for tree in tagged mixed; do
    t_find=$(seconds find "$WORK/$tree" -name '*.mp3')
    t_tavro=$(seconds "$CLI" search "$WORK/$tree")
    t_mp3info=$(seconds mp3info_all "$WORK/$tree")
    echo
    printf '%-22s %10s %10s %14s\n' "tree $tree" time files/s "time / tavro"
    row "find (walk only)" "$t_find" "$t_tavro"
    row "tavro-cli search" "$t_tavro" "$t_tavro"
    row "mp3info -p %S" "$t_mp3info" "$t_tavro"
    if [[ $tree == tagged ]]; then
        t_part=$(seconds ffprobe_loop "$WORK/$tree" "$probe_files")
        row "ffprobe per file" "$(awk -v t="$t_part" -v n="$probe_files" -v all="$FILES" 'BEGIN { print t * all / n }')" "$t_tavro"
        [[ "$probe_files" == "$FILES" ]] || echo "(ffprobe timed on $probe_files files, scaled to $FILES)"
    fi
done

echo
echo "durations (min:sec as each tool reports them; truth = the WAV's length)"
printf '%-16s %6s %8s %8s %8s\n' source truth tavro mp3info ffprobe
for source in "${SOURCES[@]}"; do
    read -r name truth _ <<<"$source"
    file="$WORK/$name.mp3"
    tavro=$(mkdir -p "$WORK/one-$name" && ln -f "$file" "$WORK/one-$name/x.mp3" && "$CLI" search "$WORK/one-$name" 2>/dev/null | cut -f4)
    info=$(mp3info -p '%S' "$file")
    probe=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$file")
    printf '%-16s %6s %8s %8s %8s\n' "$name" "$((truth / 60)):$((truth % 60))" "$tavro" \
        "$((info / 60)):$((info % 60))" "$(awk -v s="$probe" 'BEGIN { s = int(s + 0.5); printf "%d:%d", s / 60, s % 60 }')"
done
