#!/usr/bin/env bash
# Installs what is missing, builds, starts a private sound server and runs the whole suite.
#   ./test.sh [--sanitize] [CTEST-ARGS...]
# --sanitize builds into build-asan with AddressSanitizer and UndefinedBehaviorSanitizer and
# stops at the first error either reports. Other arguments go to ctest (e.g. -R Playlist).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
if [[ "${1:-}" == --sanitize ]]; then
    shift
    export TAVRO_BUILD_DIR=build-asan
    export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    scripts/build.sh --preset asan
else
    scripts/build.sh
fi

source scripts/pulse-session.sh
source scripts/session-bus.sh
pulse_start
bus_start
# Tests never write into the user's own data and settings folders (the renamer's journal, the
# ripping settings).
XDG_DATA_HOME=$(mktemp -d)
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_DATA_HOME XDG_CONFIG_HOME
trap 'pulse_stop; bus_stop; rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"' EXIT

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${TAVRO_BUILD_DIR:-build}" --output-on-failure -LE hardware -j"$(nproc)" "$@"
