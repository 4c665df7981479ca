#!/usr/bin/env bash
# Fails when a C++ file differs from .clang-format (Debian's clang-format); with --fix, formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh clang-format
mapfile -t files < <(git ls-files -- src tests bench fuzz | grep -E '\.(cpp|h)$')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "Unformatted files; scripts/check-format.sh --fix formats them." >&2
    exit 1
fi
