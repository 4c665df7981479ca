#!/usr/bin/env bash
# Builds with coverage into build-coverage, runs the suite there and prints line and branch
# coverage of src/ (per file in build-coverage/coverage.txt). Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh gcovr
export TAVRO_BUILD_DIR=build-coverage
if [[ ! -f "$TAVRO_BUILD_DIR/build.ninja" ]]; then
    cmake -S . -B "$TAVRO_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
fi
find "$TAVRO_BUILD_DIR" -name '*.gcda' -delete
./test.sh "$@"
gcovr --root . --filter 'src/' --object-directory "$TAVRO_BUILD_DIR" \
    --exclude-unreachable-branches --exclude-throw-branches --print-summary -o "$TAVRO_BUILD_DIR/coverage.txt"
