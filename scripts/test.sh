#!/usr/bin/env bash
# Builds everything and runs every test: the suites of the native build; the
# same suites under AddressSanitizer and UndefinedBehaviorSanitizer with a
# bounded fuzzing run; the Windows cross-build, checked under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh test
cleanup_dirs=()
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "${cleanup_dirs[@]}"
}
trap cleanup EXIT
source scripts/xvfb.sh
if [[ -z "${DISPLAY:-}" ]]; then
    start_private_xvfb
    echo "Started Xvfb on $DISPLAY"
fi
fuzz_seconds=${PELVORO_FUZZ_SECONDS:-60}

step() { printf '\n=== %s\n' "$*"; }

step "Native build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVORO_WARNINGS_AS_ERRORS=ON \
    -DPELVORO_BUILD_TESTS=ON -DPELVORO_BUILD_BENCHMARKS=ON
cmake --build build
(cd build && ctest --output-on-failure -j "$(nproc)")

step "Debian package, built by dpkg-buildpackage from a clean checkout"
tests/packaging/check_debian_package.sh build/debian

step "Sanitizer build (ASan, UBSan) and tests"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELVORO_WARNINGS_AS_ERRORS=ON -DPELVORO_SANITIZE=ON -DPELVORO_BUILD_FUZZERS=ON \
    -DPELVORO_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")

step "Fuzzing the conversion for ${fuzz_seconds} s"
fuzz_dir=$(mktemp -d)
cleanup_dirs+=("$fuzz_dir")
mkdir "$fuzz_dir/corpus"
if ! build-sanitize/fuzz/conversion_fuzzer -max_total_time="$fuzz_seconds" -artifact_prefix="$fuzz_dir/" \
        "$fuzz_dir/corpus" "$root/fuzz/corpus" >"$fuzz_dir/log" 2>&1; then
    tail -n 40 "$fuzz_dir/log"
    echo "The fuzzer found a failing input"
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$fuzz_dir/log"

step "Windows cross-build (i686, static)"
cmake -S . -B build-windows -G Ninja --toolchain cmake/mingw-w64-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DPELVORO_WARNINGS_AS_ERRORS=ON
cmake --build build-windows
version=$(sed -n 's/^project(Pelvoro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
PELVORO_VERSION=$version tests/windows/check_windows_program.sh --window build-windows/window/pelvoro.exe
PELVORO_VERSION=$version tests/windows/check_windows_program.sh build-windows/cli/pelvoro-convert.exe
(cd build-windows && cpack -G ZIP >/dev/null)
tests/windows/check_windows_zip.sh "build-windows/pelvoro-$version-win32.zip"
tests/windows/compare_converter_under_wine.sh build/cli/pelvoro-convert build-windows/cli/pelvoro-convert.exe

step "The Windows window under Wine, driven as a user drives it"
mkdir -p build-windows/artifacts
tests/window/converter_window_e2e.sh --wine build-windows/window/pelvoro.exe \
    build-windows/artifacts/pelvoro-after-conversion-wine.png

step "All builds and tests passed"
