# Sourced by test.sh: a private D-Bus session bus, so the media-key tests never reach the user's.
# Call bus_start, and bus_stop when done.

bus_start() {
    BUS_DIR=$(mktemp -d)
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$BUS_DIR/bus" \
        2>"$BUS_DIR/bus.log" &
    BUS_PID=$!
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$BUS_DIR/bus"
    for _ in $(seq 50); do [[ -S "$BUS_DIR/bus" ]] && return 0; sleep 0.1; done
    echo "The session bus did not start; see $BUS_DIR/bus.log" >&2
    return 1
}

bus_stop() {
    [[ -n "${BUS_PID:-}" ]] && kill "$BUS_PID" 2>/dev/null && wait "$BUS_PID" 2>/dev/null
    [[ -n "${BUS_DIR:-}" ]] && rm -rf "$BUS_DIR"
    BUS_PID=""
}
