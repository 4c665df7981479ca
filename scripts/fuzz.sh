#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) into
# build-fuzz and runs each for SECONDS (default 60), or until RUNS executions when --runs is given
# (whichever comes first when both are), starting from seeds made by the test-file makers. Prints
# one line per target with its executions; stops at the first crash, leaving the input that caused
# it in build-fuzz/crashes/.
#   scripts/fuzz.sh [SECONDS] [--runs RUNS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
limit=()
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    limit+=(-max_total_time="$1")
    shift
fi
if [[ "${1:-}" == --runs ]]; then
    limit+=(-runs="$2")
    shift 2
fi
[[ ${#limit[@]} -gt 0 ]] || limit=(-max_total_time=60)
scripts/deps.sh clang libclang-rt-14-dev
BUILD=build-fuzz
mkdir -p "$BUILD"
if ! scripts/build.sh --preset fuzz fuzz_all >"$BUILD/build.log" 2>&1; then
    tail -n 40 "$BUILD/build.log" >&2
    echo "the fuzz targets did not build (log: $BUILD/build.log)" >&2
    exit 1
fi
TARGETS=("$@")
[[ ${#TARGETS[@]} -gt 0 ]] ||
    TARGETS=(mp3_header play_time id3v1_tag wav_reader m3u_file cue_sheet toc_sheet sound_command media_open)

SEEDS=$BUILD/seeds
[[ -d $SEEDS ]] || "$BUILD/fuzz/fuzz_seeds" "$SEEDS"
mkdir -p "$BUILD/crashes"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in "${TARGETS[@]}"; do
    corpus=$BUILD/corpus/$target
    mkdir -p "$corpus"
    log=$BUILD/$target.log
    if ! "$BUILD/fuzz/$target" "$corpus" "$SEEDS/$target" "${limit[@]}" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$BUILD/crashes/$target-" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$target: FAILED (log: $log)" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: $runs executions, no failure"
done
