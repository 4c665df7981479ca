# Sourced by test.sh: a private PulseAudio with a null sink (what the program plays can be
# recorded from "playback_tap") and a 440 Hz sine source standing in for a microphone.
# Works as root without systemd or D-Bus. Call pulse_start, and pulse_stop when done.

pulse_start() {
    PULSE_DIR=$(mktemp -d)
    mkdir -p "$PULSE_DIR/run" && chmod 700 "$PULSE_DIR/run"
    export XDG_RUNTIME_DIR="$PULSE_DIR/run"
    cat > "$PULSE_DIR/test.pa" <<PA
.fail
load-module module-native-protocol-unix socket=$PULSE_DIR/pulse.sock auth-anonymous=1
load-module module-null-sink sink_name=nullsink sink_properties=device.description=NullSink rate=44100 channels=2
load-module module-sine-source source_name=sine440 frequency=440 rate=44100
load-module module-remap-source master=nullsink.monitor source_name=playback_tap source_properties=device.description=PlaybackTap
set-default-sink nullsink
set-default-source sine440
PA
    HOME="$PULSE_DIR" XDG_CONFIG_HOME="$PULSE_DIR/config" pulseaudio --daemonize=no --system=false \
        --exit-idle-time=-1 -n -F "$PULSE_DIR/test.pa" --use-pid-file=no \
        --log-target=file:"$PULSE_DIR/pulse.log" &
    PULSE_PID=$!
    export PULSE_SERVER=unix:$PULSE_DIR/pulse.sock
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "PulseAudio did not start; see $PULSE_DIR/pulse.log" >&2
    return 1
}

pulse_stop() {
    [[ -n "${PULSE_PID:-}" ]] && kill "$PULSE_PID" 2>/dev/null && wait "$PULSE_PID" 2>/dev/null
    [[ -n "${PULSE_DIR:-}" ]] && rm -rf "$PULSE_DIR"
    PULSE_PID=""
}
