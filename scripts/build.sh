#!/usr/bin/env bash
# Configures (once) and builds into ./build; incremental on later calls.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${TAVRO_BUILD_DIR:-build}
if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${TAVRO_BUILD_TYPE:-RelWithDebInfo} >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
