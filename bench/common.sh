# Sourced by the benchmarks: the built command line, peers installed on demand, a stopwatch.
# The peers are for the benchmarks only, not dependencies of the project.

# The tavro-cli of the build (TAVRO_BUILD_DIR, default build), as an absolute path.
bench_cli() {
    local cli
    cli=$(realpath -m "${TAVRO_BUILD_DIR:-build}/src/app/tavro-cli")
    [[ -x "$cli" ]] || { echo "build first: scripts/build.sh" >&2; exit 1; }
    echo "$cli"
}

# bench_need COMMAND:PACKAGE... installs each package whose command is missing.
bench_need() {
    local missing=() pair
    for pair in "$@"; do
        command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
    done
    [[ ${#missing[@]} -gt 0 ]] || return 0
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# seconds COMMAND... : wall-clock seconds of one run, output discarded.
seconds() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { print b - a }'
}
