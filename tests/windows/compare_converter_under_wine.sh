#!/usr/bin/env bash
# Runs the Windows pelvoro-convert.exe under Wine and the native one over the
# same time texts, and fails if any line of their output differs: the frame
# text must be the same on every platform.
# Usage: compare_converter_under_wine.sh NATIVE-CONVERT WINDOWS-CONVERT-EXE
set -eu
native=$1
windows=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every millisecond of the first 100 seconds, times near the digit limits,
# exact midpoints (3.125 s at 59.94 is 187.3125 frames), and some bad texts.
awk 'BEGIN {
    for (ms = 0; ms < 100000; ms++) printf "%d.%03d\n", ms / 1000, ms % 1000
    for (h = 0; h < 100; h += 7) printf "%d:9999:999999.999\n%02d:0045:17.5\r\n", h, h
    print "123:00:00.1234"; print "1:02:56:201"; print "12x"; print ""; print "1:.5"
}' > "$work/times"

# Runs the Windows program under Wine. Every input line gives an output
# line, so an empty output means Wine did not start the program: once more.
run_windows() {
    local input=$1 output=$2 attempt code
    shift 2
    for attempt in 1 2 3; do
        code=0
        WINEDEBUG=-all wine "$windows" "$@" < "$input" > "$output" 2>/dev/null || code=$?
        [[ -s "$output" ]] && break
    done
    return "$code"
}

status=0
for fps in 23.976 24 29.97 30 59.94 60 119.88 120; do
    for first in 0 1; do
        "$native" --fps "$fps" --first "$first" < "$work/times" > "$work/native" || true
        run_windows "$work/times" "$work/windows" --fps "$fps" --first "$first" || true
        if ! cmp -s "$work/native" "$work/windows"; then
            echo "FAIL: --fps $fps --first $first differs between Linux and Windows:"
            diff "$work/native" "$work/windows" | head -5
            status=1
        fi
    done
done
lines=$(wc -l < "$work/times")
[[ $status -eq 0 ]] && echo "Windows and Linux agree on $lines time texts at every rate and first frame"

# The exact directions, whose 64-bit arithmetic the 32-bit build does in
# pieces: frames and timecodes over long spans, at rates of every kind.
awk 'BEGIN { for (f = 0; f < 400000; f += 7) printf "%d.%03d\n", f, f % 1000
             for (f = 1; f <= 999999999; f = f * 3 + 1) printf "%d.5\n", f }' > "$work/frames"
awk 'BEGIN { for (i = 0; i < 40000; i++) printf "%02d:%02d:%02d%s%02d\n", i % 100, i % 60, (i * 7) % 60, i % 2 ? ";" : ":", i % 24
             print "00:01:00;00"; print "99:59:59;29" }' > "$work/timecodes"
for fps in 29.97 30000/1001 59.94 23.976 24000/1001 25 1000 12.5; do
    for direction in "time time" "time timecode" "frame time" "frame timecode" "timecode time" "timecode frame" \
                     "timecode timecode"; do
        set -- $direction
        input=$work/times
        [[ $1 == frame ]] && input=$work/frames
        [[ $1 == timecode ]] && input=$work/timecodes
        args=(--fps "$fps" --from "$1" --to "$2")
        [[ $2 == timecode && ($fps == 29.97 || $fps == 59.94 || $fps == 30000/1001) ]] && args+=(--drop-frame)
        # Standard output and the exit status; standard error ends its lines
        # as each platform does.
        native_status=0
        windows_status=0
        "$native" "${args[@]}" < "$input" > "$work/native" 2>/dev/null || native_status=$?
        run_windows "$input" "$work/windows" "${args[@]}" || windows_status=$?
        if ! cmp -s "$work/native" "$work/windows" || [[ $native_status != "$windows_status" ]]; then
            echo "FAIL: status $native_status on Linux, $windows_status on Windows"
            echo "FAIL: ${args[*]} differs between Linux and Windows:"
            diff "$work/native" "$work/windows" | head -5
            status=1
        fi
    done
done
[[ $status -eq 0 ]] && echo "Windows and Linux agree on every exact direction at eight rates"
exit $status
