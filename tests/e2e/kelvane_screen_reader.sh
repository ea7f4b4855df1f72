#!/bin/bash
# Drives the real program from the keyboard with the Orca screen reader listening on a private
# accessibility bus, and checks what Orca speaks: the count boxes and the clipboard option by
# name, a several-dice roll and a one-die roll with their totals, the roll list from its first
# line when it takes the focus, the overflow message, and a notation roll and a notation that
# cannot be rolled.
#
# Usage: dbus-run-session -- kelvane_screen_reader.sh <path to kelvane>
# With KEEP_WORK set, the folder with Orca's log is kept and named at the end.
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly kelvane=$1
readonly wait_seconds=20
# Orca writes its log through a buffer, so the test acts on fixed pauses and reads the log
# once Orca has ended.
readonly pause=1

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

export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"

start_xvfb
pids+=("$xvfb_pid")

start /usr/libexec/at-spi-bus-launcher --launch-immediately
# Speech off: Orca still logs every utterance as "SPEECH OUTPUT", and needs no sound device.
orca --disable speech --user-prefs "$work/orca" --debug-file "$work/orca.log" \
    >"$work/orca.out" 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
sleep 4

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start "$kelvane" >"$work/kelvane.log" 2>&1
window=$(wait_for_window '^Windows Kelvane$') || fail "no window \"Windows Kelvane\" appeared: $(cat "$work/kelvane.log")"
# No window manager runs to hand the window the focus.
xdotool windowfocus --sync "$window"
sleep 2

keys() {
    xdotool key --delay 100 "$@"
    sleep "$pause"
}

keys Tab Tab Tab             # d4, md4, d6, md6
xdotool type 3
keys shift+Tab space         # 3d6 from d6
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab # md6 ... rolloutput
keys Down                    # the list's second line
keys Tab Tab Tab Tab Tab     # chkClip, about, txtNotation, btnNotation, d4, whose box is empty
keys Return                  # one d4
keys shift+Tab shift+Tab shift+Tab shift+Tab # btnNotation, txtNotation, about, chkClip
keys Tab Tab Tab Tab Tab     # about, txtNotation, btnNotation, d4, md4
xdotool type 9e99
keys shift+Tab space         # overflow
keys Return                  # closes the message
xdotool windowfocus --sync "$window"
keys alt+n                   # the notation box
xdotool type '2d20kh1+3'
keys Return
xdotool type '+'
keys Return                  # a notation that cannot be rolled

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
expect '^notification 2d20kh1\+3: ([4-9]|1[0-9]|2[0-3])\.$'
expect '^notification Column 11: a number, a die such as d6, or \( should come here\.$'
expect '^Overflow The number of dice and the number of sides must each lie between -32768 and 32767\.$'

echo "PASS"
