#!/usr/bin/env bash
# Runs the built pelvoro-convert as a script would and checks its output and
# exit status. Usage: pelvoro_convert_test.sh PATH-TO-pelvoro-convert
set -u
convert=$1
failures=0

# check NAME EXPECTED-STATUS EXPECTED-OUTPUT [STDIN-TEXT] -- ARGS...
check() {
    local name=$1 want_status=$2 want_output=$3 input=$4
    shift 5
    local output status
    output=$(printf '%b' "$input" | "$convert" "$@" 2>/dev/null)
    status=$?
    if [[ $status -ne $want_status || "$output" != "$want_output" ]]; then
        printf 'FAIL %s: status %s (want %s)\n--- got\n%s\n--- want\n%s\n' \
            "$name" "$status" "$want_status" "$output" "$want_output"
        failures=$((failures + 1))
    else
        printf 'ok   %s\n' "$name"
    fi
}

check arguments 0 $'300.700\n30.970' '' -- --fps 29.97 0:10 1
check first-zero 0 $'299.700' '' -- --fps 29.97 --first 0 0:10
check stdin-lines 0 $'121.000\n1.024' '5\n0.001\n' -- --fps 24
check crlf-input 0 $'121.000\n121.000' '5\r\n5\r\n' -- --fps 24
check no-final-lf 0 $'121.000\n145.000' '5\n6' -- --fps 24
check lone-cr-is-text 1 $'error: syntax error (3): wrong character after second part' '5\r' -- --fps 24
check any-failure-is-status-1 1 $'121.000\nerror: syntax error (5) : hour part \n145.000' \
    '5\n123:00:00\n6\n' -- --fps 24
check no-rate 1 $'error: invalid fps value' '' -- 5
check syntax-before-rate 1 $'error: syntax error (0): the first character is not number' '' -- ''
check empty-line-is-a-text 1 $'121.000\nerror: syntax error (0): the first character is not number\n145.000' \
    '5\n\n6\n' -- --fps 24
check double-dash 1 $'error: syntax error (0): the first character is not number' '' -- --fps 24 -- --first
check usage-unknown-option 2 '' '' -- --speed 24 5
check usage-bad-rate 2 '' '' -- --fps 29.9761234 5
check usage-bad-first 2 '' '' -- --first 2 5

# Only the first 199 bytes of a text take part: the tail here would fail.
long_ok="5 $(printf '%0197d' 0)x"
check cut-at-199 0 '121.000' '' -- --fps 24 "$long_ok"
long_bad="5$(printf '%0198d' 0)x"
check cut-keeps-8-digit-error 1 'error: syntax error (1): too long strings' '' -- --fps 24 "$long_bad"

check equals-sign-values 0 $'299.700' '' -- --fps=29.97 --first=0 0:10

# Every direction, from the arguments and from standard input alike.
check time-to-time 0 $'0:00:10.000\n1:16:39.000' '' -- --to=time 0:10 0:75:99
check time-to-timecode 0 $'00:00:04:03\n00:01:00:01' '4.1\n1:00.061\n' -- --fps=30 --to=timecode
check time-to-timecode-df 0 $'00:01:00;02' '1:00.061\n' -- --fps=29.97 --to=timecode --drop-frame
check frame-to-time 0 $'0:00:10.000\n0:00:00.000' '' -- --fps=29.97 --from=frame --to=time 300.7 1
check frame-to-timecode 0 $'00:10:00;00' '' -- --fps=30000/1001 --from=frame --to=timecode --drop-frame 17983
check frame-to-frame 0 $'300.700' '' -- --fps=24 --from=frame 300.7
check timecode-to-frame 1 $'107892.000\nerror: timecode error: a frame number that drop-frame counting skips' \
    '' -- --fps=29.97 --from=timecode --first=0 '01:00:00;00' '00:01:00;00'
check timecode-to-time 0 $'1:00:03.600' '' -- --fps=24000/1001 --from=timecode --to=time 01:00:00:00
check timecode-to-timecode 0 $'01:00:00;00' '' -- --fps=29.97 --from=timecode --to=timecode --drop-frame 00:59:56:12
check frame-before-first 1 'error: frame error: before the first frame' '' -- --fps=24 --from=frame --to=time 0.5
check needs-a-rate 2 '' '' -- --from=timecode 00:00:00:00

# The help's examples are what the program does.
help=$("$convert" --help)
examples=$(awk '/^Examples:/ { on = 1; next } on && /^$/ { exit } on' <<<"$help" | awk '
    /^  pelvoro-convert/ { if (command != "") print command "|" ""; command = $0; n = split($0, parts, "   +");
                           if (n > 1) { print parts[1] "|" parts[n]; command = "" }; next }
    { sub(/^ +/, ""); print command "|" $0; command = "" }')
count=0
while IFS='|' read -r command expected; do
    command=${command#  }
    words=(${command})
    got=$("$convert" "${words[@]:1}" 2>&1)
    count=$((count + 1))
    [[ "$got" == "$expected" ]] || { echo "FAIL help example '$command' gives '$got', not '$expected'"; failures=$((failures + 1)); }
done <<<"$examples"
((count >= 8)) || { echo "FAIL only $count examples read from the help"; failures=$((failures + 1)); }

help=$("$convert" --help)
if [[ $? -ne 0 || "$help" != Usage:* || "$help" != *"23.976 24 29.97 30 59.94 60 119.88 120"* ]]; then
    echo "FAIL help: --help must print the usage with the eight labels to stdout"
    failures=$((failures + 1))
fi
[[ "$("$convert" -h)" == "$help" ]] || { echo "FAIL short-help: -h must print the same help"; failures=$((failures + 1)); }
version=$("$convert" --version)
if [[ $? -ne 0 || "$version" != "pelvoro-convert (Pelvoro) "[0-9]* ]]; then
    echo "FAIL version: --version must name the program and its version: '$version'"
    failures=$((failures + 1))
fi

# A usage error: one line naming what is wrong, then where to look, on
# standard error, nothing on standard output, status 2.
for args in "--speed 5" "--fps 0 5" "--fps=x" "--first 2 5" "--fps" "--from=seconds"; do
    # shellcheck disable=SC2086
    out=$("$convert" $args 2>/dev/null)
    status=$?
    # shellcheck disable=SC2086
    err=$("$convert" $args 2>&1 >/dev/null)
    named=${args#--}; named=${named%% *}; named=${named#*=}
    [[ "$args" == "--first 2 5" ]] && named=2
    [[ "$args" == "--fps 0 5" ]] && named=0
    if [[ $status -ne 2 || -n "$out" || $(printf '%s\n' "$err" | wc -l) -ne 2 || "$err" != *"$named"* ||
          "$err" != *$'\n'"Try 'pelvoro-convert --help'." ]]; then
        printf 'FAIL usage %s: status %s, stderr:\n%s\n' "$args" "$status" "$err"
        failures=$((failures + 1))
    fi
done

# A very long input is read through a fixed buffer: the result count matches.
lines=$(yes '1:02:03.5' | head -n 300000 | "$convert" --fps 59.94 | grep -c '^223187\.590$')
if [[ $lines -ne 300000 ]]; then
    echo "FAIL stream: $lines of 300000 lines converted"
    failures=$((failures + 1))
fi

if [[ -w /dev/full ]]; then
    for args in "--fps 24" "--help" "--version"; do
        # shellcheck disable=SC2086
        echo 5 | "$convert" $args >/dev/full 2>/dev/null
        status=$?
        # shellcheck disable=SC2086
        err=$(echo 5 | "$convert" $args 2>&1 >/dev/full)
        if [[ $status -ne 1 || "$err" != "pelvoro-convert: cannot write"* ]]; then
            echo "FAIL write-error $args: a failed write must say so and exit 1 (status $status: $err)"
            failures=$((failures + 1))
        fi
    done
fi

echo "$failures failures"
[[ $failures -eq 0 ]]
