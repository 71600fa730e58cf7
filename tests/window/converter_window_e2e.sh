#!/usr/bin/env bash
# Runs the built converter as a user does, on a private X server with a
# window manager: xdotool clicks and types, the frame box is read back
# through the clipboard. Usage:
#   converter_window_e2e.sh [--wine | --valgrind] PROGRAM [SCREENSHOT.png]
# With --wine, PROGRAM is the Windows build and runs under Wine. With
# --valgrind, each run must also end with no memory leaked and no invalid
# access, or its exit status is not 0.
set -u
launcher=()
settle=0.3  # after the window appears, for its first paint and the focus
case "${1:-}" in
--wine)
    launcher=(wine)
    settle=2  # Wine goes on setting up the process after the window maps
    wineserver -k 2>/dev/null  # a server left by an earlier run would be shared
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    shift
    ;;
--valgrind)
    launcher=(valgrind --quiet --leak-check=full --errors-for-leak-kinds=all
              --show-leak-kinds=all --error-exitcode=99
              --suppressions="$(dirname "$0")/toolkit-leaks.supp")
    shift
    ;;
esac
program=$1
screenshot=${2:-}
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
    # What the screen showed, beside the screenshot, for whoever looks into it.
    [[ -n "$screenshot" ]] && import -window root "${screenshot%.png}-failure-$failures.png" 2>/dev/null
}
ok() { echo "ok   $*"; }

# A private display, so that nothing else on it moves the focus.
source "$(dirname "$0")/../../scripts/xvfb.sh"
start_private_xvfb
xvfb=$xvfb_pid
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    [[ "${launcher[0]:-}" == wine ]] && wineserver -k 2>/dev/null
}
trap cleanup EXIT

# Waits up to $2 seconds for a visible window whose title is exactly $1.
wait_window() {
    local deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
wait_gone() {
    local deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
wait_exit() {  # sets status to the exit status of $app, or "running"
    local deadline=$((SECONDS + $1))
    status=running
    while ((SECONDS < deadline)); do
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"
            status=$?
            app=
            return
        fi
        sleep 0.1
    done
}
wait_wm() {
    local deadline=$((SECONDS + 10))
    until wmctrl -m >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

start_program() {
    "${launcher[@]}" "$program" >/dev/null 2>"$program_log" &
    app=$!
    window=$(wait_window Pelvoro 60) || { echo "FAIL: the window never opened"; exit 1; }
    sleep "$settle"
}

# Positions in the client area, as laid out by the window.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
time_box() { click 150 42; }
rate_2997() { click 100 112; }
convert() { click 200 222; }
quit() { click 310 330; }
box_text() {  # the text of the edit box at $1 $2, through the clipboard
    # Emptied first, so that an old text cannot pass for the new one.
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    click "$1" "$2"
    xdotool key --clearmodifiers Home shift+End ctrl+c
    local text deadline=$((SECONDS + 3))
    while ((SECONDS < deadline)); do
        text=$(xclip -o -selection clipboard 2>/dev/null)
        [[ -n "$text" ]] && break
        sleep 0.1
    done
    echo "$text"
}
frame_box_text() { box_text 150 270; }
replace_time() {
    # As a person would: look at what was typed, and type it again when a
    # program still starting up has not taken it.
    local attempt
    for attempt in 1 2 3; do
        time_box
        xdotool key --clearmodifiers Home shift+End BackSpace
        xdotool type --delay 20 "$1"
        [[ "$(box_text 150 42)" == "$1" ]] && return 0
        sleep 1
    done
    fail "the time box does not show '$1'"
}

program_log=$(mktemp)
wait_wm || { echo "FAIL: no window manager"; exit 1; }
start_program

replace_time "0:10"
rate_2997
convert
text=$(frame_box_text)
[[ "$text" == "300.700" ]] && ok "0:10 at 29.97 gives 300.700" || fail "frame box shows '$text', not 300.700"
[[ -n "$screenshot" ]] && import -window root "$screenshot"

replace_time "12x"
convert
if box=$(wait_window error 10); then
    ok "a bad time raises a window titled error"
    xdotool key Return
    wait_gone error 10 && ok "a keypress dismisses it" || fail "the error box stayed open"
else
    fail "no error box for a bad time"
fi
text=$(frame_box_text)
[[ "$text" == "300.700" ]] && ok "the failure left the result alone" || fail "frame box shows '$text' after a failure"

geometry_before=$(xdotool getwindowgeometry "$window" | grep Geometry)
xdotool windowsize "$window" 700 650
sleep 0.5
geometry_after=$(xdotool getwindowgeometry "$window" | grep Geometry)
[[ "$geometry_before" == "$geometry_after" ]] && ok "the window cannot be resized ($geometry_after)" \
    || fail "resized from $geometry_before to $geometry_after"

# Motif hints: the functions field must offer neither resizing (2) nor maximising (16).
hints=$(xprop -id "$window" _MOTIF_WM_HINTS 2>/dev/null | sed -n 's/.*= *//p')
functions=$(echo "$hints" | cut -d, -f2 | tr -d ' ')
if [[ -n "$functions" ]] && (( (functions & 1) == 0 && (functions & 18) == 0 )); then
    ok "the window manager is told: no resizing, no maximise box ($hints)"
else
    fail "window manager hints allow resizing or maximising: '$hints'"
fi

quit
wait_exit 20
[[ "$status" == 0 ]] && ok "Quit ends the program with status 0" || { fail "Quit: status $status"; cat "$program_log"; }

start_program
wmctrl -i -c "$window"  # as the close box does: WM_DELETE_WINDOW
wait_exit 20
[[ "$status" == 0 ]] && ok "the close box ends the program with status 0" || { fail "close box: status $status"; cat "$program_log"; }
rm -f "$program_log"

echo "$failures failures"
[[ $failures -eq 0 ]]
