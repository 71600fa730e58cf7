#!/usr/bin/env bash
# Times the real pelvoro-convert over a large file of time texts and reports
# lines per second and peak memory, beside plain awk arithmetic for scale.
# Usage: pelvoro_convert_throughput.sh PATH-TO-pelvoro-convert [LINES]
set -eu
convert=$1
lines=${2:-20000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT

# A mix of the notations a user types, a few errors among them.
awk -v n="$lines" 'BEGIN {
    split("1:02:03.5 0:10 12.005 5 99:9999:999999.999 0::3.25 12x 1:30 123:00:00 0.5", t, " ")
    for (i = 0; i < n; i++) print t[i % 10 + 1]
}' > "$input"

best=""
for run in 1 2 3; do
    start=$(date +%s.%N)
    /usr/bin/time -f '%M' -o "$input.mem" "$convert" --fps 29.97 < "$input" > /dev/null || true
    end=$(date +%s.%N)
    seconds=$(echo "$end - $start" | bc -l)
    if [[ -z "$best" ]] || (( $(echo "$seconds < $best" | bc -l) )); then best=$seconds; fi
    peak_kib=$(tail -n 1 "$input.mem")
done
rm -f "$input.mem"
printf 'pelvoro-convert: %d lines in %.3f s = %.2f million lines/s, peak RSS %d KiB\n' \
    "$lines" "$best" "$(echo "$lines / $best / 1000000" | bc -l)" "$peak_kib"

# Every direction, each over values of its own notation.
values=$(mktemp)
for from in time frame timecode; do
    case $from in
    time) cp "$input" "$values" ;;
    frame) awk -v n="$lines" 'BEGIN { split("300.700 17982 1 86401.5 999999.999 5x", t, " ")
                                      for (i = 0; i < n; i++) print t[i % 6 + 1] }' > "$values" ;;
    timecode) awk -v n="$lines" 'BEGIN { split("00:01:00;02 01:00:00;00 00:10:00:00 12:34:56;12 00:01:00;00", t, " ")
                                         for (i = 0; i < n; i++) print t[i % 5 + 1] }' > "$values" ;;
    esac
    for to in time frame timecode; do
        start=$(date +%s.%N)
        "$convert" --fps=29.97 --from=$from --to=$to < "$values" > /dev/null || true
        end=$(date +%s.%N)
        printf 'pelvoro-convert --from=%s --to=%s: %.2f million values/s\n' "$from" "$to" \
            "$(echo "$lines / ($end - $start) / 1000000" | bc -l)"
    done
done
rm -f "$values"

small=$(mktemp)
head -n $((lines / 10)) "$input" > "$small"
/usr/bin/time -f '%M' -o "$small.mem" "$convert" --fps 29.97 < "$small" > /dev/null || true
printf 'pelvoro-convert: %d lines, peak RSS %d KiB (flat memory: compare with the above)\n' "$((lines / 10))" "$(tail -n 1 "$small.mem")"
rm -f "$small" "$small.mem"

start=$(date +%s.%N)
awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.3f\n", s * 29.97 + 1 }' "$input" > /dev/null
end=$(date +%s.%N)
printf 'awk H:M:S arithmetic: %.2f million lines/s\n' "$(echo "$lines / ($end - $start) / 1000000" | bc -l)"
