#!/usr/bin/env bash
# Installs what is missing, builds and starts the player; an .mp3 argument is played at once.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh >/dev/null
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
    echo "tavro: no display found; run it under X, e.g. xvfb-run -a ./run.sh FILE.mp3 (package xvfb)" >&2
    exit 1
fi
exec "${TAVRO_BUILD_DIR:-build}/src/app/tavro" "$@"
