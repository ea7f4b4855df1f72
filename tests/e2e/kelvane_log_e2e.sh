#!/bin/bash
# The roll log through the real program under its own Xvfb: a roll followed at once by kill -9
# is in the log at the next start; the Roll log window opens from the band with Alt+L, copies
# the row's line with Ctrl+C and rolls it again in the main window with Ctrl+R; and two Kelvane
# processes on one data folder, rolling at the same time, both log every roll. The user's data
# folder is a fresh one of the test's own.
#
# Usage: kelvane_log_e2e.sh <command that starts Kelvane> [its arguments]
#
# With WINEPREFIX set, the command starts kelvane.exe under Wine ($WINE names Wine itself), and
# the data folder is the one in the prefix's roaming application data, emptied before and after.
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly kelvane=("$@")
readonly wait_seconds=30

work=$(mktemp -d)
xvfb_pid=""
window_manager_pid=""
kelvane_pid=""
other_kelvane_pid=""

export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
if [[ -n ${WINEPREFIX:-} ]]; then
    data_folder=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Kelvane
    rm -rf "$data_folder"
else
    data_folder=$XDG_DATA_HOME/Kelvane
fi
readonly data_folder database=$data_folder/kelvane.sqlite3

cleanup() {
    end_processes $kelvane_pid $other_kelvane_pid $window_manager_pid $xvfb_pid
    if [[ -n ${WINEPREFIX:-} ]]; then
        rm -rf "$data_folder"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The log's rows, oldest first, as "notation|label|dice|total|character". Read only, so that
# this reader never checkpoints the file under a running Kelvane.
log_rows() {
    /usr/bin/python3 - "$database" <<'END'
import sqlite3, sys
connection = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro", uri=True)
for row in connection.execute("SELECT notation, label, dice, total, character FROM roll_log ORDER BY id"):
    print("|".join(str(field) for field in row))
END
}

# Starts Kelvane, sets kelvane_pid, and sets main_window to its window: the one "Windows Kelvane"
# that was not shown before.
start_kelvane() {
    local shown ids id
    shown=$(xdotool search --onlyvisible --name '^Windows Kelvane$' 2>/dev/null) || true
    "${kelvane[@]}" >"$work/kelvane.log" 2>&1 &
    kelvane_pid=$!
    main_window=""
    local deadline=$((SECONDS + wait_seconds))
    while [[ -z $main_window ]] && ((SECONDS < deadline)); do
        ids=$(xdotool search --onlyvisible --name '^Windows Kelvane$' 2>/dev/null) || true
        for id in $ids; do
            grep -qx "$id" <<<"$shown" && continue
            # Wine may replace a new window's X window while it sets the window up.
            sleep 0.3
            [[ $(xwininfo -id "$id" 2>/dev/null) == *IsViewable* ]] && main_window=$id
        done
        sleep 0.2
    done
    [[ -n $main_window ]] ||
        fail "no new window \"Windows Kelvane\" appeared: $(cat "$work/kelvane.log")"
    xdotool windowactivate --sync "$main_window" 2>/dev/null || true
}

start_desktop "${WINEPREFIX:+$WINE}"

# A roll, and the program killed the moment the roll is shown.
start_kelvane
xdotool key --clearmodifiers alt+n
xdotool type --delay 20 '3d6+1 # Fireball'
xdotool key Return
deadline=$((SECONDS + wait_seconds))
until [[ $(log_rows 2>/dev/null) == *"|Fireball|"* ]]; do
    ((SECONDS < deadline)) || fail "the roll never reached the log: $(cat "$work/kelvane.log")"
    sleep 0.05
done
kill -9 "$kelvane_pid"
wait "$kelvane_pid" 2>/dev/null || true
kelvane_pid=""
rows=$(log_rows)
# Made by the roll book's first character.
[[ $rows =~ ^3d6\+1\|Fireball\|\[[1-6],\ [1-6],\ [1-6]\]\+1\|([0-9]+)\|Player$ ]] ||
    fail "the log after kill -9 holds: $rows"
total=${BASH_REMATCH[1]}

# The next start finds it in the Roll log window.
start_kelvane
xdotool key --clearmodifiers alt+l
log_window=$(wait_for_window '^Roll log') || fail "no Roll log window appeared"
xdotool windowactivate --sync "$log_window" 2>/dev/null || true
# The table has the focus, its newest row current.
xdotool key ctrl+c
deadline=$((SECONDS + wait_seconds))
until [[ $(timeout 5 xclip -selection clipboard -o 2>/dev/null) == 3d6+1:* ]]; do
    ((SECONDS < deadline)) || fail "Ctrl+C copied no line from the Roll log"
    sleep 0.1
done
copied=$(xclip -selection clipboard -o)
[[ $copied == "3d6+1: $(cut -d'|' -f3 <<<"$rows") = $total" ]] ||
    fail "Ctrl+C copied \"$copied\" for the row $rows"

# Ctrl+R rolls the row again in the main window, and that roll is logged too, with its label.
xdotool key ctrl+r
deadline=$((SECONDS + wait_seconds))
until [[ $(log_rows | wc -l) -eq 2 ]]; do
    ((SECONDS < deadline)) || fail "Ctrl+R logged no second roll: $(log_rows)"
    sleep 0.1
done
[[ $(log_rows | tail -n 1) == "3d6+1|Fireball|"* ]] || fail "Ctrl+R rolled $(log_rows | tail -n 1)"

# A second Kelvane on the same data folder. Each window gets a labelled notation of enough dice
# that a burst of Enter keeps it rolling while the other window takes its own burst. Wine loses
# keys that come faster than about one in 40 ms, and hands keys still waiting in a busy window
# to the window activated since, so there the bursts take turns, with both processes open.
first_window=$main_window
other_kelvane_pid=$kelvane_pid
start_kelvane
second_window=$main_window
readonly bursts=3 burst_rolls=8
key_delay=5 focus_delay=0
[[ -z ${WINEPREFIX:-} ]] || key_delay=40 focus_delay=0.3
for window in "$first_window" "$second_window"; do
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+n ctrl+a
    xdotool type --delay 20 "20000d6 # Window $window"
done
returns=$(printf 'Return %.0s' $(seq "$burst_rolls"))
for ((burst = 0; burst < bursts; ++burst)); do
    for window in "$first_window" "$second_window"; do
        # Wine moves the keyboard focus a moment after the window manager activates the window.
        xdotool windowactivate --sync "$window" sleep "$focus_delay"
        # shellcheck disable=SC2086
        xdotool key --delay "$key_delay" $returns
    done
done
expected=$((bursts * burst_rolls))
count_of() { log_rows | cut -d'|' -f2 | grep -cx "Window $1" || true; }
deadline=$((SECONDS + wait_seconds))
until [[ $(count_of "$first_window") -eq $expected && $(count_of "$second_window") -eq $expected ]]; do
    ((SECONDS < deadline)) ||
        fail "two windows logged $(count_of "$first_window") and $(count_of "$second_window") of $expected rolls each"
    sleep 0.2
done
{ kill -0 "$kelvane_pid" && kill -0 "$other_kelvane_pid"; } || fail "a Kelvane ended while both rolled"
echo "PASS"
