# Sourced by the scripts that run programs on an X server of their own.

# Ends the script with a message; the caller's EXIT trap cleans up.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Ends the given processes that still run, and waits for each to end.
end_processes() {
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Waits up to $wait_seconds for a visible window whose title matches the given pattern and
# prints its id. The window must still be there a moment after it is found: Wine may replace a
# new window's X window while it sets the window up.
wait_for_window() {
    local deadline=$((SECONDS + wait_seconds))
    local id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        if [[ -n $id ]]; then
            sleep 0.3
            if [[ $(xwininfo -id "$id" 2>/dev/null) == *IsViewable* ]]; then
                echo "$id"
                return 0
            fi
        fi
        sleep 0.2
    done
    return 1
}

# start_xvfb: starts Xvfb on a display it picks itself, so that parallel runs never race for
# one, waits until it accepts connections and exports DISPLAY. Sets xvfb_pid for the caller's
# clean-up. Needs $work (a scratch folder) and $wait_seconds.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    local deadline=$((SECONDS + wait_seconds))
    until [[ -s $work/display ]]; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        ((SECONDS < deadline)) || fail "Xvfb did not report a display"
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
}

# start_desktop [Wine]: start_xvfb, then a small window manager as a desktop has, waited for
# until it manages the screen, as a window mapped before may stay unmanaged. Sets
# window_manager_pid too. Given Wine, ends its prefix's desktop process first: started before
# there was a display, it would keep the program's windows off this one, and Wine starts a new
# one here.
start_desktop() {
    start_xvfb
    if [[ -n ${1:-} ]]; then
        "$(dirname "$1")/wineserver64" -k 2>/dev/null || true
    fi
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    window_manager_pid=$!
    local deadline=$((SECONDS + wait_seconds))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        ((SECONDS < deadline)) || fail "openbox did not start: $(cat "$work/openbox.log")"
        sleep 0.1
    done
}
