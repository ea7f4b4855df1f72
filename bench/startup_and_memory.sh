#!/bin/bash
# Start-up time and resident memory of Kelvane against the smallest Qt Widgets program that
# shows a window, and against that window with one text box (which brings up the fonts), all
# on their own Xvfb with the real X11 platform, as a user runs them.
#
# Start-up: window_start_timer starts each program in turn, many times, and takes the time
# from process start to its window mapped on the X server (see window_start_timer.cpp);
# startup_split then shows where Kelvane's start-up time goes.
# The start-up is timed once more at the end with a database whose roll log holds a million
# rolls (about 170 MB): opening it must cost no more than opening a small one.
# Memory: VmRSS from /proc after Kelvane has rolled 32000 dice through its window, driven
# with xdotool, and of the empty window program idle; then over a soak of 2000 one-die rolls
# and 2000 rolls of three dice, against the figure after the first 100 rolls.
#
# Usage: startup_and_memory.sh <release build directory> [runs]
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../tests/support/xvfb.bash"

readonly build=$1
readonly runs=${2:-20}
readonly kelvane=$build/ui/kelvane
readonly empty_window=$build/bench/empty_window
readonly text_box_window=$build/bench/text_box_window
readonly start_timer=$build/bench/window_start_timer
readonly million_roll_database=$build/bench/million_roll_database
readonly wait_seconds=30

work=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
unset QT_QPA_PLATFORM
# A private runtime directory, as the toolkit asks for one, and a data folder of its own.
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$start_timer" "$runs" "$kelvane" "$empty_window" "$text_box_window"
"$build/bench/startup_split" "$runs"

resident_kib() {
    sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB$/\1/p' "/proc/$1/status"
}

# Starts a program and waits for its window to be mapped.
window=""
start_program() {
    "$1" >"$work/program.log" 2>&1 &
    program_pid=$!
    window=$(timeout "$wait_seconds" xdotool search --sync --onlyvisible --name "$2" |
        head -n 1) || fail "$1 showed no window: $(cat "$work/program.log")"
}

stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

start_program "$empty_window" '^Empty Window$'
sleep 1
empty_kib=$(resident_kib "$program_pid")
stop_program

start_program "$text_box_window" '^Text Box Window$'
sleep 1
text_box_kib=$(resident_kib "$program_pid")
stop_program

# The window lies at the screen's origin with no frame, as no window manager runs. Positions
# are client pixels; a control inside a frame adds the frame's corner.
start_program "$kelvane" '^Windows Kelvane$'
eval "$(xdotool getwindowgeometry --shell "$window")"
click_at() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }
sleep 1
kelvane_started_kib=$(resident_kib "$program_pid")

# Ticks the clipboard option, so that the roll's end can be seen from outside: the clipboard
# then holds all 32000 lines.
click_at $((312 + 24 + 8)) $((8 + 248 + 8))
click_at $((16 + 28)) $((72 + 16))
xdotool type --delay 30 32e3
click_at $((80 + 28)) $((72 + 16))
deadline=$((SECONDS + wait_seconds))
until [[ $(timeout 5 xclip -selection clipboard -o 2>/dev/null | wc -l) -eq 32000 ]]; do
    ((SECONDS < deadline)) || fail "the 32000-dice roll did not reach the clipboard"
    sleep 0.2
done
sleep 1
kelvane_rolled_kib=$(resident_kib "$program_pid")
stop_program

echo "resident memory (VmRSS): kelvane after start ${kelvane_started_kib} KiB," \
    "after the 32000-dice roll ${kelvane_rolled_kib} KiB; empty window ${empty_kib} KiB;" \
    "ratio $(awk "BEGIN { printf \"%.2f\", $kelvane_rolled_kib / $empty_kib }");" \
    "window with one text box ${text_box_kib} KiB;" \
    "ratio $(awk "BEGIN { printf \"%.2f\", $kelvane_rolled_kib / $text_box_kib }")"

# Soak: one-die rolls with d4 (its box empty), then rolls of three dice with d6, in a fresh
# Kelvane. The clicks queue up in the X server; a second's pause lets Kelvane work through them.
start_program "$kelvane" '^Windows Kelvane$'
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 1
click_repeatedly() {
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) click --repeat "$3" --delay 1 1
    sleep 1
}
click_repeatedly $((80 + 28)) $((32 + 16)) 100
soak_first_kib=$(resident_kib "$program_pid")
click_repeatedly $((80 + 28)) $((32 + 16)) 1900
soak_one_die_kib=$(resident_kib "$program_pid")
click_at $((16 + 28)) $((72 + 16))
xdotool type --delay 30 3
click_repeatedly $((80 + 28)) $((72 + 16)) 2000
soak_several_kib=$(resident_kib "$program_pid")
stop_program

change() { awk "BEGIN { printf \"%+.1f%%\", ($1 / $soak_first_kib - 1) * 100 }"; }
echo "resident memory over a soak: ${soak_first_kib} KiB after 100 one-die rolls;" \
    "${soak_one_die_kib} KiB after 2000 ($(change "$soak_one_die_kib"));" \
    "${soak_several_kib} KiB after 2000 more of three dice ($(change "$soak_several_kib"))"

# Start-up with a million rolls in the log. Each start is ended once its window is mapped, so
# the file's check after the first paint never gets far; the -wal left behind is small.
database=$XDG_DATA_HOME/Kelvane/kelvane.sqlite3
rm -f "$database" "$database-wal" "$database-shm"
"$million_roll_database" "$database"
echo "with a database of $(($(stat -c %s "$database") / 1000000)) MB holding a million rolls:"
"$start_timer" "$runs" "$kelvane" "$empty_window"
