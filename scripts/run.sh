#!/usr/bin/env bash
# Builds Pelvoro and opens the converter window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVORO_BUILD_TESTS=OFF -DPELVORO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build --target pelvoro-convert
echo "0:10 at 29.97 fps, first frame 1:"
build/cli/pelvoro-convert --fps 29.97 0:10
