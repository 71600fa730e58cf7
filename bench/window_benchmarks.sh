#!/usr/bin/env bash
# The converter window's speed and size: start-up to a painted window against
# a bare FLTK program with the same widgets (and the Windows build under Wine
# when it is built), peak memory, the click on convert to the result, the
# window layer's own costs, and the size of pelvoro.exe.
# Usage: window_benchmarks.sh [BUILD-DIR] [WINDOWS-BUILD-DIR]
set -eu
build=${1:-build}
windows_build=${2:-build-windows}
cd "$(dirname "$0")/.."
xvfb_pid=
trap '[[ -n "$xvfb_pid" ]] && kill "$xvfb_pid"' EXIT
source scripts/xvfb.sh
if [[ -z "${DISPLAY:-}" ]]; then
    start_private_xvfb
    echo "Started Xvfb on $DISPLAY"
fi

runs=21
"$build/bench/startup_timer" "$runs" "$build/bench/bare_fltk_window"
"$build/bench/startup_timer" "$runs" "$build/window/pelvoro"
if [[ -f "$windows_build/window/pelvoro.exe" ]] && command -v wine >/dev/null; then
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$build/bench/startup_timer" 5 wine "$windows_build/window/pelvoro.exe"
    printf 'pelvoro.exe: %d bytes\n' "$(stat -c %s "$windows_build/window/pelvoro.exe")"
fi
"$build/bench/convert_click_benchmark" --benchmark_min_time=1
"$build/bench/window_system_benchmark"
