#!/bin/bash
# The roll log through the real program under its own Xvfb: a roll followed at once by kill -9
# is in the log at the next start; the Roll log window opens from the band with Alt+L, copies
# the row's line with Ctrl+C and rolls it again in the main window with Ctrl+R. The user's data
# folder is a fresh one of the test's own.
#
# Usage: kelvane_log_e2e.sh <command that starts Kelvane> [its arguments]
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly kelvane=("$@")
readonly wait_seconds=30

work=$(mktemp -d)
xvfb_pid=""
window_manager_pid=""
kelvane_pid=""

cleanup() {
    end_processes $kelvane_pid $window_manager_pid $xvfb_pid
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
readonly database=$XDG_DATA_HOME/Kelvane/kelvane.sqlite3

# The log's rows, oldest first, as "notation|label|dice|total".
log_rows() {
    /usr/bin/python3 - "$database" <<'END'
import sqlite3, sys
connection = sqlite3.connect(sys.argv[1])
for row in connection.execute("SELECT notation, label, dice, total, character FROM roll_log ORDER BY id"):
    print("|".join(str(field) for field in row))
END
}

start_kelvane() {
    "${kelvane[@]}" >"$work/kelvane.log" 2>&1 &
    kelvane_pid=$!
    local window
    window=$(wait_for_window '^Windows Kelvane$') || true
    [[ -n $window ]] || fail "no window \"Windows Kelvane\" appeared: $(cat "$work/kelvane.log")"
    xdotool windowactivate --sync "$window" 2>/dev/null || true
}

start_xvfb
openbox --sm-disable >"$work/openbox.log" 2>&1 &
window_manager_pid=$!
deadline=$((SECONDS + wait_seconds))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    ((SECONDS < deadline)) || fail "openbox did not start: $(cat "$work/openbox.log")"
    sleep 0.1
done

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
echo "PASS"
