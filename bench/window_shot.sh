#!/usr/bin/env bash
# Screenshots of tool windows on a private X server (Xvfb), so that a person can check that they
# look tidy: the searcher after a search, the MP3 information window, the tags editor's ID3 page
# and its RENAMER page after a rename, the CD-to-MP3 encoder after encoding a track of a disc
# image. Writes <window>.png for each window named (all five when none is) into OUTDIR (default:
# the current folder) and prints their paths.
# Usage: bench/window_shot.sh [-o OUTDIR] [searcher|info|tags|renamer|encoder]...
#        (after scripts/build.sh; needs Xvfb, imagemagick, sox and lame)
set -euo pipefail
OUTDIR=.
if [[ "${1:-}" == -o ]]; then OUTDIR=$2; shift 2; fi
cd "$(dirname "$0")/.."
OUTDIR=$(realpath -m "$OUTDIR")
WINDOWS=("$@")
[[ ${#WINDOWS[@]} -gt 0 ]] || WINDOWS=(searcher info tags renamer encoder)
BUILD=${TAVRO_BUILD_DIR:-build}
SHOT=$BUILD/bench/window_shot
CLI=$BUILD/src/app/tavro-cli
[[ -x "$SHOT" && -x "$CLI" ]] || { echo "build first: scripts/build.sh" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB_PID=""
SHOT_PID=""
cleanup() {
    [[ -n "$SHOT_PID" ]] && kill "$SHOT_PID" 2>/dev/null || true
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# A small music folder: songs at the top, two albums below, one of them two levels down; the
# album "Kind of Blue" is tagged.
sox -n -r 44100 -c 2 -b 16 "$WORK/tone.wav" synth 4 sine 440 vol 0.3
lame --quiet -V 2 "$WORK/tone.wav" "$WORK/tone.mp3"
music="$WORK/Music"
mkdir -p "$music/Blue Train/Disc 1" "$music/Kind of Blue" "$music/.cache"
for f in "Intro.mp3" "Radio Edit.MP3" "Kind of Blue/So What.mp3" "Kind of Blue/Freddie Freeloader.mp3" \
         "Kind of Blue/Blue in Green.mp3" "Blue Train/Disc 1/Moment's Notice.mp3" "Blue Train/Disc 1/Locomotion.mp3"; do
    cp "$WORK/tone.mp3" "$music/$f"
done
cp "$WORK/tone.wav" "$music/notes.wav"
for song in "So What" "Freddie Freeloader" "Blue in Green"; do
    "$CLI" tag "$music/Kind of Blue/$song.mp3" --title "$song" --artist "Miles Davis" \
        --album "Kind of Blue" --year 1959 --comment "Columbia CL 1355" --genre Jazz
done
cp -r "$music/Kind of Blue" "$WORK/Rename"
cp "$music/Intro.mp3" "$WORK/Rename/untagged.mp3"

# A disc image of eight short tracks, tones of different pitch and length (whole seconds, so
# whole sectors), and ripping settings listing only it.
: > "$WORK/album.bin"
cue="FILE \"album.bin\" BINARY"$'\n'
start=0
n=1
for seconds in 5 7 4 9 6 3 8 5; do
    cue+=$(printf '  TRACK %02d AUDIO\n    INDEX 01 %02d:%02d:00' "$n" $((start / 60)) $((start % 60)))$'\n'
    sox -n -r 44100 -c 2 -b 16 -e signed -L -t raw - synth "$seconds" sine $((200 + 90 * n)) vol 0.3 >> "$WORK/album.bin"
    start=$((start + seconds))
    n=$((n + 1))
done
printf '%s' "$cue" > "$WORK/album.cue"
printf '[Drives]\nScanDevices=0\n[Images]\n%s\n' "$WORK/album.cue" > "$WORK/cdrip.ini"
mkdir -p "$WORK/tmp" "$WORK/Ripped"
export TAVRO_CDRIP_INI="$WORK/cdrip.ini" TMPDIR="$WORK/tmp"

mkdir -m 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1

mkdir -p "$OUTDIR"
for window in "${WINDOWS[@]}"; do
    case $window in
    searcher) target=$music ;;
    info) target="$music/Kind of Blue/So What.mp3" ;;
    tags) target="$music/Kind of Blue" ;;
    renamer) target="$WORK/Rename" ;;
    encoder) target=3 ;;
    *) echo "unknown window: $window" >&2; exit 2 ;;
    esac
    rm -f "$WORK/ready"
    if [[ $window == encoder ]]; then
        "$SHOT" encoder "$target" "$WORK/Ripped/Track.mp3" "$WORK/ready" 2>/dev/null &
    else
        "$SHOT" "$window" "$target" "$WORK/ready" 2>/dev/null &
    fi
    SHOT_PID=$!
    for _ in $(seq 100); do [[ -s "$WORK/ready" ]] && break; sleep 0.1; done
    [[ -s "$WORK/ready" ]] || { echo "the $window window did not come up" >&2; exit 1; }
    import -window root -crop "$(cat "$WORK/ready")" +repage "$OUTDIR/$window.png"
    kill "$SHOT_PID" && wait "$SHOT_PID" 2>/dev/null || true
    SHOT_PID=""
    echo "$OUTDIR/$window.png"
done
