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

status=0
for fps in 23.976 24 29.97 30 59.94 60 119.88 120; do
    for first in 0 1; do
        "$native" --fps "$fps" --first "$first" < "$work/times" > "$work/native" || true
        WINEDEBUG=-all wine "$windows" --fps "$fps" --first "$first" < "$work/times" > "$work/windows" 2>/dev/null || true
        if ! cmp -s "$work/native" "$work/windows"; then
            echo "FAIL: --fps $fps --first $first differs between Linux and Windows:"
            diff "$work/native" "$work/windows" | head -5
            status=1
        fi
    done
done
lines=$(wc -l < "$work/times")
[[ $status -eq 0 ]] && echo "Windows and Linux agree on $lines time texts at every rate and first frame"
exit $status
