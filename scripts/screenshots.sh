#!/usr/bin/env bash
# Screenshots of every window of the program, each in a state that shows what it is for, taken on
# a private X server (Xvfb) inside a private sound server (null sink, sine-tone microphone):
#   player    the main window playing the third song of a play list of five
#   searcher  the MP3 searcher after a search of a small music folder
#   info      the MP3 information window for a tagged song
#   tags      the tags editor's ID3 page with a tagged song clicked
#   renamer   the tags editor's RENAMER page after RENAME ALL
#   encoder   the CD-to-MP3 encoder after encoding a track of an eight-track disc image
#   cdplayer  the audio CD player playing that image
#   cutmerge  the cutter and merger after cutting the middle half of a song and merging two songs
#   recorder  the voice recorder while it records
#   about     the About window
# Writes OUTDIR/<window>.png at scale 1 and OUTDIR/<window>@2x.png at scale 2 (QT_SCALE_FACTOR=2)
# for each window named (all when none is), prints their paths, and exits non-zero when a window
# did not come up. The music and the disc live in /tmp/tavro-shots while it runs, so the paths the
# windows show are the same from run to run.
# Usage: scripts/screenshots.sh [-o OUTDIR] [WINDOW...]   (default OUTDIR: docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
OUTDIR=docs/screenshots
if [[ "${1:-}" == -o ]]; then OUTDIR=${2:?"-o needs a folder"}; shift 2; fi
OUTDIR=$(realpath -m "$OUTDIR")
ALL=(player searcher info tags renamer encoder cdplayer cutmerge recorder about)
WINDOWS=("$@")
[[ ${#WINDOWS[@]} -gt 0 ]] || WINDOWS=("${ALL[@]}")
for window in "${WINDOWS[@]}"; do
    [[ " ${ALL[*]} " == *" $window "* ]] || { echo "unknown window: $window (${ALL[*]})" >&2; exit 2; }
done

scripts/deps.sh xvfb x11-utils imagemagick
BUILD=${TAVRO_BUILD_DIR:-build}
# Only the two programs it runs, once the build folder is configured.
build_log=$(mktemp)
if [[ -f "$BUILD/build.ninja" ]]; then
    cmake --build "$BUILD" -j"$(nproc)" --target window_shot tavro-cli >"$build_log" 2>&1
else
    scripts/build.sh >"$build_log" 2>&1
fi || { cat "$build_log" >&2; rm -f "$build_log"; exit 1; }
rm -f "$build_log"
SHOT=$BUILD/bench/window_shot
CLI=$BUILD/src/app/tavro-cli

# One run at a time owns the fixed folder; a folder of that name we did not make is left alone.
WORK=/tmp/tavro-shots
exec 9>"$WORK.lock"
flock -n 9 || { echo "another screenshots.sh is running" >&2; exit 1; }
if [[ -e "$WORK" && ! -e "$WORK/.made-by-screenshots" ]]; then
    echo "$WORK exists and was not made by this script; move it away first" >&2
    exit 1
fi
rm -rf "$WORK"
mkdir -p "$WORK"
touch "$WORK/.made-by-screenshots"

source scripts/pulse-session.sh
XVFB_PID=""
SHOT_PID=""
stop() { # pid...
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
cleanup() {
    stop $SHOT_PID $XVFB_PID
    pulse_stop || true
    rm -rf "$WORK" "$OUTDIR"/.*.png.part
}
trap cleanup EXIT

# A small music folder: two songs at the top, two albums below, one of them two levels down, a WAV
# file and a hidden folder the searcher skips; "Kind of Blue" is tagged. Songs of different pitch
# and length, so the lists show different durations and sizes; sox without its random dither (-R),
# so the sizes and play times are the same from run to run.
music="$WORK/Music"
mkdir -p "$music/Blue Train/Disc 1" "$music/Kind of Blue" "$music/.cache"
n=0
while IFS='|' read -r seconds song; do
    n=$((n + 1))
    sox -R -n -r 44100 -c 2 -b 16 "$WORK/song.wav" synth "$seconds" sine $((180 + 60 * n)) vol 0.3
    lame --quiet -V 2 "$WORK/song.wav" "$music/$song"
done <<'SONGS'
34|Intro.mp3
47|Radio Edit.MP3
41|Kind of Blue/So What.mp3
29|Kind of Blue/Freddie Freeloader.mp3
38|Kind of Blue/Blue in Green.mp3
44|Blue Train/Disc 1/Moment's Notice.mp3
31|Blue Train/Disc 1/Locomotion.mp3
SONGS
mv "$WORK/song.wav" "$music/notes.wav"
for song in "So What" "Freddie Freeloader" "Blue in Green"; do
    "$CLI" tag "$music/Kind of Blue/$song.mp3" --title "$song" --artist "Miles Davis" \
        --album "Kind of Blue" --year 1959 --comment "Columbia CL 1355" --genre Jazz
done
# What RENAME ALL renames, copied afresh for each shot.
cp -r "$music/Kind of Blue" "$WORK/Rename.orig"
cp "$music/Intro.mp3" "$WORK/Rename.orig/untagged.mp3"
playlist=("$music/Intro.mp3" "$music/Radio Edit.MP3" "$music/Kind of Blue/So What.mp3"
          "$music/Kind of Blue/Freddie Freeloader.mp3" "$music/Kind of Blue/Blue in Green.mp3")

# A disc image of eight short tracks, tones of different pitch and length (whole seconds, so
# whole sectors), and ripping settings listing only it.
: >"$WORK/album.bin"
cue="FILE \"album.bin\" BINARY"$'\n'
start=0
n=1
for seconds in 5 7 4 9 6 3 8 5; do
    cue+=$(printf '  TRACK %02d AUDIO\n    INDEX 01 %02d:%02d:00' "$n" $((start / 60)) $((start % 60)))$'\n'
    sox -R -n -r 44100 -c 2 -b 16 -e signed -L -t raw - synth "$seconds" sine $((200 + 90 * n)) vol 0.3 >>"$WORK/album.bin"
    start=$((start + seconds))
    n=$((n + 1))
done
printf '%s' "$cue" >"$WORK/album.cue"
printf '[Drives]\nScanDevices=0\n[Images]\n%s\n' "$WORK/album.cue" >"$WORK/cdrip.ini"

# The windows keep their settings, temporary files and the CD list here, not in the user's own.
mkdir -p "$WORK/tmp" "$WORK/config" "$WORK/data"
export TAVRO_CDRIP_INI="$WORK/cdrip.ini" TMPDIR="$WORK/tmp" XDG_CONFIG_HOME="$WORK/config" \
    XDG_DATA_HOME="$WORK/data" LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI

pulse_start
# Large enough for the biggest window at scale 2; Xvfb picks a free display and tells its number.
Xvfb -displayfd 8 -screen 0 2048x1536x24 -dpi 96 -nolisten tcp -noreset 8>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 300); do [[ -s "$WORK/display" ]] && break; sleep 0.1; done
[[ -s "$WORK/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$WORK/display")" QT_QPA_PLATFORM=xcb
xdpyinfo >/dev/null

shot_arguments() { # window -> the shot program's arguments before the ready file
    local out="$WORK/Out"
    rm -rf "$out" "$WORK/Rename"
    mkdir -p "$out"
    case $1 in
    player) echo 3; printf '%s\n' "${playlist[@]}" ;;
    searcher) echo "$music" ;;
    info) echo "$music/Kind of Blue/So What.mp3" ;;
    tags) echo "$music/Kind of Blue" ;;
    renamer) cp -r "$WORK/Rename.orig" "$WORK/Rename"; echo "$WORK/Rename" ;;
    encoder) echo 3; echo "$out/Track 04.mp3" ;;
    cdplayer) ;;
    cutmerge) printf '%s\n' "$music/Kind of Blue/So What.mp3" "$music/Intro.mp3" \
        "$out/So What (cut).mp3" "$out/So What + Intro.mp3" ;;
    recorder) echo "$out/Voice.mp3" ;;
    about) ;;
    esac
}

# grab geometry file: that rectangle of the screen as a PNG file within the size budget, written
# beside the file and renamed over it only when complete.
grab() {
    local part
    part="$(dirname "$2")/.$(basename "$2").part"
    if import -window root -crop "$1" +repage $PNG_OPTIONS "PNG:$part" && shrink "$part" &&
        { [[ -z "$OPTIPNG" ]] || optipng -quiet "$part"; }; then
        mv -f "$part" "$2"
    else
        rm -f "$part"
        return 1
    fi
}

# shrink file: a big window at scale 2 fits the size budget only with a palette of 256 colours.
shrink() {
    (($(stat -c %s "$1") <= MAX_BYTES)) || convert "PNG:$1" +dither -colors 256 $PNG_OPTIONS "PNG8:$1"
}

# shot window scale file: runs the window until it is in shape and grabs it; fails if it never is.
shot() {
    local window=$1 scale=$2 file=$3 ready="$WORK/ready" args
    mapfile -t args < <(shot_arguments "$window")
    rm -f "$ready"
    QT_SCALE_FACTOR=$scale "$SHOT" "$window" "${args[@]}" "$ready" >"$WORK/shot.log" 2>&1 &
    SHOT_PID=$!
    # Encoding a track or searching a folder takes a few seconds on a busy machine.
    for _ in $(seq 600); do
        [[ -s "$ready" ]] && break
        kill -0 "$SHOT_PID" 2>/dev/null || break
        sleep 0.1
    done
    local status=0
    if [[ ! -s "$ready" ]]; then
        echo "the $window window did not come up at scale $scale:" >&2
        cat "$WORK/shot.log" >&2
        status=1
    elif ! grab "$(cat "$ready")" "$file"; then
        echo "could not grab the $window window at scale $scale" >&2
        status=1
    fi
    stop "$SHOT_PID"
    SHOT_PID=""
    return $status
}

# No time stamps in the files, so an unchanged window gives an unchanged file.
PNG_OPTIONS="-strip -define png:exclude-chunks=date,time"
MAX_BYTES=150000
OPTIPNG=$(command -v optipng || true)
mkdir -p "$OUTDIR"
failed=0
for window in "${WINDOWS[@]}"; do
    for scale in 1 2; do
        file="$OUTDIR/$window.png"
        [[ $scale == 1 ]] || file="$OUTDIR/$window@${scale}x.png"
        if shot "$window" "$scale" "$file"; then echo "$file"; else failed=1; fi
    done
done
exit $failed
