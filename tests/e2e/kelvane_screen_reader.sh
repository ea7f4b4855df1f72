#!/bin/bash
# Drives the real program from the keyboard with the Orca screen reader listening on a private
# accessibility bus, and checks what Orca speaks: the count boxes and the clipboard option by
# name, a several-dice roll and a one-die roll with their totals, the roll list from its first
# line when it takes the focus, the odds line when the Tab key reaches it, the overflow
# message, a notation roll, a notation that cannot be rolled and a roll with its outcome, and in
# the Roll log the outcome's and the Shared column's cells with their headers.
#
# Usage: dbus-run-session -- kelvane_screen_reader.sh <path to kelvane>
# With KEEP_WORK set, the folder with Orca's log is kept and named at the end.
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly kelvane=$1
readonly wait_seconds=20
# Orca writes its log through a buffer, so the test reads the log once Orca has ended, and
# after each step waits for Orca and Kelvane to fall idle: on a loaded machine Orca may take
# seconds to catch up, and skips what a focus already moved on from.
readonly pause=0.5
readonly settle_seconds=20

# Only one Orca runs on a machine at a time (another refuses to start), so a test run beside
# another waits here for its turn.
exec {orca_lock}>"${TMPDIR:-/tmp}/kelvane-orca.lock"
flock --timeout 300 "$orca_lock" || fail "another screen reader test held the lock for 5 minutes"

work=$(mktemp -d)
# The program keeps its database and settings in these: never the user's own.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
pids=()

cleanup() {
    end_processes "${pids[@]}"
    [[ -n ${KEEP_WORK:-} ]] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT

start() {
    "$@" &
    pids+=($!)
}

# The CPU time the given processes have used so far, in clock ticks.
cpu_ticks() {
    local pid total=0
    for pid in "$@"; do
        # Fields 14 and 15 of stat, counted after the command's closing parenthesis.
        local stat
        stat=$(cat "/proc/$pid/stat" 2>/dev/null) || continue
        read -r -a fields <<<"${stat##*) }"
        total=$((total + fields[11] + fields[12]))
    done
    echo "$total"
}

# Waits until the given processes have used no CPU time for a second, or settle_seconds.
settle() {
    local deadline=$((SECONDS + settle_seconds))
    local before idle=0
    before=$(cpu_ticks "$@")
    while ((idle < 4 && SECONDS < deadline)); do
        sleep 0.25
        local now
        now=$(cpu_ticks "$@")
        if ((now == before)); then idle=$((idle + 1)); else idle=0; fi
        before=$now
    done
}

export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"

# Every roll is shared, with a server that never answers, so the log shows each one waiting.
mkdir -p "$XDG_CONFIG_HOME/Kelvane"
printf '{"webhook":"https://discord.com/api/webhooks/4242/S3cr3tHeard","share":true}' \
    >"$XDG_CONFIG_HOME/Kelvane/table.json"
export KELVANE_DISCORD_API_BASE=https://127.0.0.1:9/api

start_xvfb
pids+=("$xvfb_pid")

start /usr/libexec/at-spi-bus-launcher --launch-immediately
# Speech off: Orca still logs every utterance as "SPEECH OUTPUT", and needs no sound device.
# Without the lock: an Orca that outlived the test would hold it.
orca --disable speech --user-prefs "$work/orca" --debug-file "$work/orca.log" \
    >"$work/orca.out" 2>&1 {orca_lock}>&- &
orca_pid=$!
pids+=("$orca_pid")
sleep 2
settle "$orca_pid"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$kelvane" >"$work/kelvane.log" 2>&1 &
kelvane_pid=$!
pids+=("$kelvane_pid")
window=$(wait_for_window '^Windows Kelvane$') || fail "no window \"Windows Kelvane\" appeared: $(cat "$work/kelvane.log")"
# No window manager runs to hand the window the focus.
xdotool windowfocus --sync "$window"
sleep 1
settle "$orca_pid" "$kelvane_pid"

# Presses each key once Orca and Kelvane have dealt with the one before.
keys() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep "$pause"
        settle "$orca_pid" "$kelvane_pid"
    done
}

keys Tab Tab Tab             # d4, md4, d6, md6
xdotool type 3
keys shift+Tab space         # 3d6 from d6
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab # md6 ... rolloutput
keys Down                    # the list's second line
keys Tab Tab Tab Tab Tab     # chkClip, about, txtNotation, btnNotation, the odds line
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab # Log, Table, the roll book's eight, d4
keys Return                  # one d4, whose box is empty
keys Tab                     # md4
xdotool type 9e99
keys shift+Tab space         # overflow
keys Return                  # closes the message
xdotool windowfocus --sync "$window"
keys alt+n                   # the notation box
xdotool type '2d20kh1+3'
keys Return
xdotool type '+'
keys Return                  # a notation that cannot be rolled
keys ctrl+a
xdotool type 'bitd 3'
keys Return                  # a roll with an outcome
keys alt+l                   # the Roll log, its newest row current
log_window=$(wait_for_window '^Roll log') || fail "the Roll log did not open"
xdotool windowfocus --sync "$log_window"
keys Right Right Right Right Right Right Right # across the row to its last cell: Shared

kill "$orca_pid" 2>/dev/null ||
    fail "Orca ended by itself: $(cat "$work/orca.out") $(tail -n 20 "$work/orca.log")"
wait "$orca_pid" 2>/dev/null || true

spoken=$work/spoken
# Each line reads: time - SPEECH OUTPUT: 'utterance'{voice}
sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \{0,1\}{.*/\1/p" "$work/orca.log" >"$spoken"

expect() {
    grep -Eq "$1" "$spoken" || fail "Orca never said \"$1\"; it said:
$(cat "$spoken")"
}

expect '^Number of d4 dice text\.$'
expect '^Number of d6 dice text\.$'
expect '^notification 3d6: ([3-9]|1[0-8])\.$'
expect '^d6-1 = [1-6]'
expect '^d6-2 = [1-6]'
expect '^notification d4: [1-4]\.$'
expect '^Clipboard check box not checked\.$'
expect ' or more: [0-9]+\.[0-9]{2} %  ·  '
expect '^notification 2d20kh1\+3: ([4-9]|1[0-9]|2[0-3])\.$'
expect '^notification bitd 3: [1-6], (Critical|Success|Partial|Failure)\.$'
expect '^Outcome column header (Critical|Success|Partial|Failure)\.$'
expect '^notification Column 11: a number, a die such as d6, or \( should come here\.$'
expect '^Shared( column header)? waiting\.$'
expect '^Overflow The number of dice and the number of sides must each lie between -32768 and 32767\.$'

echo "PASS"
