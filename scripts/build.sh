#!/usr/bin/env bash
# Configures (once) and builds; incremental on later calls.
#   scripts/build.sh [--preset dev|asan|fuzz] [TARGET...]
# dev builds into ./build (or $TAVRO_BUILD_DIR), the others into ./build-<preset>.
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET=dev
if [[ "${1:-}" == --preset ]]; then
    PRESET=$2
    shift 2
fi
if [[ $PRESET == dev ]]; then
    BUILD_DIR=${TAVRO_BUILD_DIR:-build}
else
    BUILD_DIR=build-$PRESET
fi
if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
    cmake --preset "$PRESET" -B "$BUILD_DIR" >/dev/null
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
