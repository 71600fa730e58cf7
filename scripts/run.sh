#!/usr/bin/env bash
# Builds Pelvoro and opens the converter window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVORO_BUILD_TESTS=OFF -DPELVORO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build --target pelvoro pelvoro-convert
exec build/window/pelvoro
