#!/usr/bin/env bash
# Screenshot of the MP3 searcher window after a search, on a private X server (Xvfb), so that a
# person can check that it looks tidy. Writes searcher.png (or the file named) and prints its path.
# Usage: bench/searcher_shot.sh [OUT.png]   (after scripts/build.sh; needs Xvfb and imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:-searcher.png}")
SHOT=${TAVRO_BUILD_DIR:-build}/bench/searcher_shot
[[ -x "$SHOT" ]] || { echo "build first: scripts/build.sh" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB_PID=""
SHOT_PID=""
cleanup() {
    [[ -n "$SHOT_PID" ]] && kill "$SHOT_PID" 2>/dev/null || true
    [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# A small music folder: songs at the top, two albums below, one of them two levels down.
sox -n -r 44100 -c 2 -b 16 "$WORK/tone.wav" synth 4 sine 440 vol 0.3
lame --quiet -V 2 "$WORK/tone.wav" "$WORK/tone.mp3"
music="$WORK/Music"
mkdir -p "$music/Blue Train/Disc 1" "$music/Kind of Blue" "$music/.cache"
for f in "Intro.mp3" "Radio Edit.MP3" "Kind of Blue/So What.mp3" "Kind of Blue/Freddie Freeloader.mp3" \
         "Kind of Blue/Blue in Green.mp3" "Blue Train/Disc 1/Moment's Notice.mp3" "Blue Train/Disc 1/Locomotion.mp3"; do
    cp "$WORK/tone.mp3" "$music/$f"
done
cp "$WORK/tone.wav" "$music/notes.wav"

mkdir -m 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1

"$SHOT" "$music" "$WORK/ready" &
SHOT_PID=$!
for _ in $(seq 100); do [[ -f "$WORK/ready" ]] && break; sleep 0.1; done
[[ -f "$WORK/ready" ]] || { echo "the searcher window did not come up" >&2; exit 1; }
import -window root -crop 660x450+182+159 +repage "$OUT"
echo "$OUT"
