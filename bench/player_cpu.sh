#!/usr/bin/env bash
# CPU use of the player window while playing and while idle, and of the CD player window while
# playing a disc image, in % of one core.
# Runs under Xvfb when it is installed (real drawing and an X server), else offscreen.
# Usage: bench/player_cpu.sh [seconds-to-measure]   (builds first; needs ./test.sh's packages)
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_MEASURE=${1:-10}
scripts/build.sh >/dev/null
source scripts/pulse-session.sh
pulse_start
WORK=$(mktemp -d)
XVFB_PID=""
cleanup() { [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null; pulse_stop; rm -rf "$WORK"; }
trap cleanup EXIT

if command -v Xvfb >/dev/null; then
    Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:97
    sleep 0.5
    MODE="Xvfb"
else
    export QT_QPA_PLATFORM=offscreen
    MODE="offscreen"
fi

sox -n -r 44100 -c 2 -b 16 "$WORK/tone.wav" synth $((SECONDS_TO_MEASURE + 20)) sine 440 vol 0.3
lame --quiet -b 192 "$WORK/tone.wav" "$WORK/long tone.mp3"

# A two-track disc image for the CD player, and settings that list only it.
sox -n -r 44100 -c 2 -b 16 -e signed "$WORK/disc.raw" synth $((SECONDS_TO_MEASURE + 20)) sine 440 vol 0.3
head -c $((2352 * 75 * (SECONDS_TO_MEASURE + 20))) "$WORK/disc.raw" >"$WORK/disc.bin"
printf 'FILE "disc.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 01 00:10:00\n' >"$WORK/disc.cue"
printf '[Drives]\nScanDevices=0\n[Images]\n%s\n' "$WORK/disc.cue" >"$WORK/cdrip.ini"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure() { # pid -> % of one core over SECONDS_TO_MEASURE
    local hz before after
    hz=$(getconf CLK_TCK)
    before=$(ticks "$1"); sleep "$SECONDS_TO_MEASURE"; after=$(ticks "$1")
    awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$SECONDS_TO_MEASURE" \
        'BEGIN { printf "%.1f", 100 * (a - b) / hz / s }'
}
run() { # label, program, args...
    local label=$1; shift
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local cpu; cpu=$(measure "$pid")
    local xcpu="-"
    [[ -n "$XVFB_PID" ]] && xcpu=$(measure "$XVFB_PID")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    printf '%-8s tavro %5s %%   X server %5s %%\n' "$label" "$cpu" "$xcpu"
}

echo "Player CPU use ($MODE, ${SECONDS_TO_MEASURE} s each, % of one core)"
run idle build/src/app/tavro
run playing build/src/app/tavro "$WORK/long tone.mp3"
TAVRO_CDRIP_INI="$WORK/cdrip.ini" run "CD" build/bench/window_shot cdplayer - "$WORK/ready"
