# Sourced. start_private_xvfb starts an X server of its own, exports DISPLAY
# and leaves its process id in xvfb_pid for the caller to stop.
start_private_xvfb() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -displayfd: Xvfb picks a free display and writes its number once it
    # accepts clients; -noreset: it stays up between clients.
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
}
