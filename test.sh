#!/usr/bin/env bash
# Installs what is missing, builds, starts a private sound server and runs the whole suite.
# Extra arguments go to ctest (for example: ./test.sh -R Playlist).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh

source scripts/pulse-session.sh
pulse_start
trap pulse_stop EXIT

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${TAVRO_BUILD_DIR:-build}" --output-on-failure -LE hardware -j"$(nproc)" "$@"
