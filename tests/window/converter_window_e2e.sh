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
refocus_wait=0.5  # after the window comes back, for the focus to follow
case "${1:-}" in
--wine)
    launcher=(wine)
    settle=2  # Wine goes on setting up the process after the window maps
    refocus_wait=2
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
# The window manager's own Alt+F4 binding would close windows for them:
# without it, Alt+F4 reaches the program as on Windows.
wm_config=$(mktemp)
sed '/<keybind key="A-F4">/,/<\/keybind>/d' /etc/xdg/openbox/rc.xml >"$wm_config"
openbox --sm-disable --config-file "$wm_config" >/dev/null 2>&1 &
wm=$!
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null
    [[ -n "${other:-}" ]] && kill "$other" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    rm -f "$wm_config"
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

# Coming back to the program puts the caret in the time box, whichever
# box had it before, by the window manager, the title bar or a restore.
xmessage -geometry +700+600 "another program" >/dev/null 2>&1 &
other=$!
other_window=$(wait_window xmessage 20) || fail "the other program's window never opened"
expected=12
replace_time "$expected"
eval "$(xdotool getwindowgeometry --shell "$window")"
for way in "the window manager" "the title bar" "a restore"; do
    if [[ "$way" == "a restore" && "${launcher[0]:-}" == wine ]]; then
        # Windows gives a restored window the focus; Wine leaves it active
        # with no focus at all, so that keys go nowhere.
        echo "skip back through a restore: Wine gives the restored window no focus"
        continue
    fi
    xdotool key End  # reading the box selected its text: typing would replace it
    click 150 270    # into the frame box
    xdotool windowactivate --sync "$other_window" 2>/dev/null
    sleep 0.3
    case "$way" in
    "the window manager") xdotool windowactivate --sync "$window" 2>/dev/null ;;
    "the title bar") xdotool mousemove $((X + 150)) $((Y - 8)) click 1 ;;
    "a restore")
        xdotool windowminimize --sync "$window" 2>/dev/null
        sleep 0.3
        xdotool windowactivate --sync "$window" 2>/dev/null
        ;;
    esac
    sleep "$refocus_wait"
    digit=$(( ${#expected} + 5 ))
    xdotool type "$digit"
    expected+=$digit
    text=$(box_text 150 42)
    [[ "$text" == "$expected" ]] && ok "back through $way, typing goes to the time box" \
        || fail "back through $way, the time box shows '$text', not '$expected'"
done

# Enter in the time box does nothing, and typing goes on after it.
time_box
xdotool key --clearmodifiers Home shift+End BackSpace
xdotool type 1
xdotool key Return
xdotool type 2
text=$(box_text 150 42)
[[ "$text" == "12" ]] && ok "Enter in the time box swallows nothing" || fail "after 1, Enter, 2 the time box shows '$text'"

# The rate list's keys, from its first entry (Home scrolls back to it
# after the case before); the frame of time 1 from frame 1 tells which
# rate they selected.
replace_time "1"
for case in "End=121.000" "End Prior=120.880" "End Home=24.976" "Next=25.000" "6=61.000" "6 1 1=121.000" \
            "3=31.000" "2 2=30.970" "click:5=24.976"; do
    keys=${case%=*}
    click 100 80
    xdotool key Home
    if [[ "$keys" == click:* ]]; then
        xdotool click "${keys#click:}"  # the wheel
    else
        xdotool key $keys
    fi
    sleep 0.2
    convert
    text=$(frame_box_text)
    [[ "$text" == "${case#*=}" ]] && ok "rate list: $keys selects the rate giving ${case#*=}" \
        || fail "rate list: $keys gives '$text', not ${case#*=}"
done

# Space clicks a push button when it is released. A press that leaves the
# button before its release gives it the focus without a click (with the
# pauses of a hand: without them the server reports no motion between).
xdotool mousemove --window "$window" 90 330 mousedown 1
sleep 0.3
xdotool mousemove --window "$window" 200 370
sleep 0.3
xdotool mouseup 1
sleep 0.5
wait_window "Diag Test" 1 >/dev/null && fail "a press released outside About clicked it"
xdotool keydown space
if wait_window "Diag Test" 2 >/dev/null; then
    fail "About clicked when Space went down"
else
    ok "Space going down does not click"
fi
xdotool keyup space
if wait_window "Diag Test" 10 >/dev/null; then
    ok "Space coming up clicks About"
    xdotool key Return
    wait_gone "Diag Test" 10 || fail "the About box stayed open"
else
    fail "Space on About showed no box"
fi

# Alt+F4 closes a message box as OK does, and the program lives on.
replace_time "12x"
convert
if wait_window error 10 >/dev/null; then
    xdotool key alt+F4
    wait_gone error 10 && kill -0 "$app" 2>/dev/null && ok "Alt+F4 closes the error box" \
        || fail "Alt+F4 left the error box open or ended the program"
else
    fail "no error box for a bad time"
fi

# The edit box's context menu, photographed beside the window.
xdotool mousemove --window "$window" 150 42 click 3
sleep 1
[[ -n "$screenshot" ]] && import -window root "${screenshot/after-conversion/context-menu}"
xdotool key Escape
sleep 0.5

quit
wait_exit 20
[[ "$status" == 0 ]] && ok "Quit ends the program with status 0" || { fail "Quit: status $status"; cat "$program_log"; }

start_program
xdotool key alt+F4
wait_exit 20
[[ "$status" == 0 ]] && ok "Alt+F4 ends the program with status 0" || { fail "Alt+F4: status $status"; cat "$program_log"; }

start_program
wmctrl -i -c "$window"  # as the close box does: WM_DELETE_WINDOW
wait_exit 20
[[ "$status" == 0 ]] && ok "the close box ends the program with status 0" || { fail "close box: status $status"; cat "$program_log"; }
rm -f "$program_log"

echo "$failures failures"
[[ $failures -eq 0 ]]
