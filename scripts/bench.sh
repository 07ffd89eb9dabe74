#!/usr/bin/env bash
# Builds and runs the benchmarks on Qt's offscreen platform: tag insertion, document load and save, and
# the whole program (start-up, open, keystroke, save, peak memory). Figures go to standard output.
# Usage: scripts/bench.sh [max-MB]   (BUILD_DIR picks the build folder, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
MAX_MB=${1:-100}
BENCHES=(bench_insert bench_documentio bench_app)
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target "${BENCHES[@]}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
for bench in "${BENCHES[@]}"; do
    echo
    echo "== $bench"
    "$BUILD_DIR/bench/$bench" "$MAX_MB" 2> >(grep -v -e propagateSizeHints >&2)
done
