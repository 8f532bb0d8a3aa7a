#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz) and runs each one for DURATION seconds
# (default 10) on its seed corpus under fuzz/corpus/<target>/. New inputs found go to the build
# folder, never into the sources; a crash stops the script with the failing input saved there.
# Usage: scripts/fuzz.sh [DURATION] [TARGET...]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FUZZ_BUILD_DIR="${TARU_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
DURATION="${1:-10}"
shift || true

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARU_FUZZ=ON -DTARU_TESTS=OFF -DTARU_BENCH=OFF >/dev/null
cmake --build "$FUZZ_BUILD_DIR" --target fuzz_all --parallel "$(nproc)"

TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
    for dir in "$ROOT"/fuzz/corpus/*/; do
        TARGETS+=("$(basename "$dir")")
    done
fi

for target in "${TARGETS[@]}"; do
    work="$FUZZ_BUILD_DIR/corpus/$target"
    artifacts="$FUZZ_BUILD_DIR/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    echo "== $target: ${DURATION}s"
    log="$FUZZ_BUILD_DIR/$target.log"
    status=0
    "$FUZZ_BUILD_DIR/bin/$target" -max_total_time="$DURATION" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^Done" "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log" >&2
        echo "$target failed; the input is in $artifacts" >&2
        exit 1
    fi
done
