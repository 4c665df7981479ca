#!/usr/bin/env bash
# Screenshot of the CD-to-MP3 encoder window after it encoded one track of a small disc image,
# on a private X server (Xvfb), so that a person can check that it looks tidy. Writes
# encoder.png (or the file named) and prints its path.
# Usage: bench/encoder_shot.sh [OUT.png]   (after scripts/build.sh; needs Xvfb and imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:-encoder.png}")
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
mkdir -p "$WORK/tmp" "$WORK/Music"
export TAVRO_CDRIP_INI="$WORK/cdrip.ini" TMPDIR="$WORK/tmp"

mkdir -m 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1

"$SHOT" encoder 3 "$WORK/Music/Blue in Green.mp3" "$WORK/ready" &
SHOT_PID=$!
for _ in $(seq 100); do [[ -s "$WORK/ready" ]] && break; sleep 0.1; done
[[ -s "$WORK/ready" ]] || { echo "the encoder window did not come up" >&2; exit 1; }
import -window root -crop "$(cat "$WORK/ready")" +repage "$OUT"
echo "$OUT"
