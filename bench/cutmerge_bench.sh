#!/usr/bin/env bash
# Speed and memory of `tavro-cli merge` and `tavro-cli cut` against the plain byte tools:
#   merge: two 500 MB MP3 files            against  cat A B > C
#   cut:   300 MB out of a 500 MB MP3 file  against  dd of the same bytes (1 MiB blocks)
# The MP3 file is a 60-second 320 kbit/s lame encoding repeated to 500 MB, so its duration is
# found by a scan of every frame header, as the player does; that scan is part of the cut's time.
# Each command runs REPEAT times (default 3), alternating with its rival, on a warm file cache;
# the table gives the best wall-clock time, the ratio tavro / rival (1.0 = as fast) and the peak
# resident memory (GNU time). Needs about 2.5 GB in TMPDIR.
# Usage: bench/cutmerge_bench.sh   (after scripts/build.sh)   REPEAT=5 bench/cutmerge_bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
CLI=$(bench_cli)
REPEAT=${REPEAT:-3}

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
sox -n -r 44100 -c 2 -b 16 noise.wav synth 60 pinknoise brownnoise vol 0.3
lame --quiet -b 320 noise.wav piece.mp3
make_500mb() { # out: piece.mp3 repeated to 500 MB
    local pieces=$((500 * 1000 * 1000 / $(stat -c %s piece.mp3) + 1))
    for ((i = 0; i < pieces; i++)); do cat piece.mp3; done >"$1"
    truncate -s 500000000 "$1"
}
make_500mb a.mp3
make_500mb b.mp3
cat a.mp3 b.mp3 >/dev/null # warm the cache

# The whole seconds the cutter counts: tavro-cli says them when --to is too far.
SECONDS_TOTAL=$( ("$CLI" cut a.mp3 x.mp3 --from 0 --to 2000000000 2>&1 || true) | sed -n 's/.*(\([0-9]*\) s)$/\1/p')
FROM=$((SECONDS_TOTAL / 5))
TO=$((FROM + SECONDS_TOTAL * 3 / 5))

measure() { # command... -> "seconds kilobytes" of the run
    /usr/bin/time -f '%e %M' -o time.txt "$@" >/dev/null 2>&1 || true # the scan's run refuses
    tail -n 1 time.txt
}
best() { # name command... -> best "seconds kilobytes" over REPEAT runs (output removed each time)
    local out=$1 b="" line
    shift
    for ((r = 0; r < REPEAT; r++)); do
        rm -f "$out"
        line=$(measure "$@")
        if [[ -z $b ]] || awk -v a="${line% *}" -v c="${b% *}" 'BEGIN { exit !(a < c) }'; then
            b=$line
        fi
    done
    echo "$b"
}
row() { # label, tavro "s kB", rival name, rival "s kB"
    printf '%-6s tavro %6.2fs %6.1f MiB   %-4s %6.2fs %6.1f MiB   ratio %5.2f\n' "$1" \
        "${2% *}" "$(awk -v k="${2#* }" 'BEGIN { print k / 1024 }')" "$3" "${4% *}" \
        "$(awk -v k="${4#* }" 'BEGIN { print k / 1024 }')" \
        "$(awk -v a="${2% *}" -v b="${4% *}" 'BEGIN { print (b > 0 ? a / b : 0) }')"
}

merge_tavro=$(best merged.mp3 "$CLI" merge a.mp3 b.mp3 merged.mp3)
merge_cat=$(best catted.mp3 sh -c 'cat a.mp3 b.mp3 > catted.mp3')
"$CLI" merge a.mp3 b.mp3 merged.mp3 --force && cmp merged.mp3 catted.mp3 && echo "merge: same bytes as cat"
rm -f merged.mp3 catted.mp3

cut_tavro=$(best cut.mp3 "$CLI" cut a.mp3 cut.mp3 --from "$FROM" --to "$TO")
"$CLI" cut a.mp3 cut.mp3 --from "$FROM" --to "$TO" --force
LENGTH=$(stat -c %s cut.mp3)
# The byte rate rule's start: round(FROM x rate) - 1, rate = length / whole seconds.
OFFSET=$(python3 -c "print(round($FROM * 500000000 / $SECONDS_TOTAL) - 1)")
cut_dd=$(best dd.mp3 dd if=a.mp3 of=dd.mp3 bs=1M iflag=skip_bytes,count_bytes skip="$OFFSET" count="$LENGTH")
dd if=a.mp3 of=dd.mp3 bs=1M iflag=skip_bytes,count_bytes skip="$OFFSET" count="$LENGTH" 2>/dev/null
cmp cut.mp3 dd.mp3 && echo "cut: same bytes as dd ($LENGTH bytes from $OFFSET, seconds $FROM-$TO of $SECONDS_TOTAL)"
scan=$(best none "$CLI" cut a.mp3 x.mp3 --from 0 --to 2000000000)

row merge "$merge_tavro" cat "$merge_cat"
row cut "$cut_tavro" dd "$cut_dd"
printf 'of the cut, the duration scan alone: %.2fs\n' "${scan% *}"
