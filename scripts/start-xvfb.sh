# Sourced: starts a private Xvfb when there is no display and exports DISPLAY.
# The caller stops it: its process id is in xvfb_pid.
if [[ -z "${DISPLAY:-}" ]]; then
    xvfb_fifo=$(mktemp -u)
    mkfifo "$xvfb_fifo"
    # -displayfd: Xvfb picks a free display and writes its number once ready.
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$xvfb_fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r xvfb_display <"$xvfb_fifo"
    rm -f "$xvfb_fifo"
    export DISPLAY=":$xvfb_display"
    echo "Started Xvfb on $DISPLAY"
fi
