#!/bin/bash
# Drives the real program under its own Xvfb with mouse and keyboard only, and checks what a
# roll puts on the X clipboard: the byte format, the same rolls on every fresh start, and
# different rolls after Seed Generator.
#
# With LANGUAGE set (under dbus-run-session), the first start runs in that language and the
# second in English: the result caption, read through the accessibility bus, must name the roll
# in that language, and both starts must put the same bytes on the clipboard.
#
# Usage: kelvane_e2e.sh <path to kelvane> <screenshot to write>
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly kelvane=$1
readonly screenshot=$2
readonly wait_seconds=20

work=$(mktemp -d)
xvfb_pid=""
kelvane_pid=""
accessibility_pid=""

cleanup() {
    [[ -z $accessibility_pid ]] || kill "$accessibility_pid" 2>/dev/null || true
    if [[ -n $kelvane_pid ]]; then
        kill "$kelvane_pid" 2>/dev/null || true
        wait "$kelvane_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The window lies at the screen's origin and has no frame, as no window manager runs; its
# position is still read rather than assumed.
window=""
origin_x=0
origin_y=0

start_kelvane() {
    unset QT_QPA_PLATFORM
    "$kelvane" >"$work/kelvane.log" 2>&1 &
    kelvane_pid=$!
    window=$(timeout "$wait_seconds" xdotool search --sync --onlyvisible --name '^Windows Kelvane$' |
        head -n 1) || fail "no window \"Windows Kelvane\" appeared: $(cat "$work/kelvane.log")"
    local geometry
    geometry=$(xdotool getwindowgeometry --shell "$window")
    origin_x=$(sed -n 's/^X=//p' <<<"$geometry")
    origin_y=$(sed -n 's/^Y=//p' <<<"$geometry")
}

# Ends the program with SIGTERM, as no window manager is there to close its window. A sanitizer
# build thus never reaches LeakSanitizer's exit check, which would report the toolkit's and
# the font libraries' allocations that stay reachable until exit.
stop_kelvane() {
    kill -0 "$kelvane_pid" 2>/dev/null || fail "kelvane ended by itself: $(cat "$work/kelvane.log")"
    kill "$kelvane_pid"
    wait "$kelvane_pid" 2>/dev/null || true
    kelvane_pid=""
}

# Clicks at a point given relative to the window's client area.
click_at() {
    xdotool mousemove --sync $((origin_x + $1)) $((origin_y + $2)) click 1
}

# Client positions in pixels: a control inside a frame adds the frame's corner.
click_clipboard_option() { click_at $((312 + 24 + 8)) $((8 + 248 + 8)); }
click_md6() { click_at $((16 + 28)) $((72 + 16)); }
click_d6() { click_at $((80 + 28)) $((72 + 16)); }
click_seed() { click_at $((152 + 72)) $((224 + 12)); }

# Replaces the text of md6: focus it by clicking, select all, type the new count.
set_md6() {
    click_md6
    xdotool key ctrl+a
    xdotool type --delay 30 "$1"
}

# Waits until the clipboard holds a roll of the given number of dice and prints it as hex
# bytes. The program owns the X clipboard, so this must run while it is still running.
read_roll() {
    local dice=$1
    local deadline=$((SECONDS + wait_seconds))
    local bytes=""
    local roll_pattern="^(3[1-6]0d0a){$dice}\$"
    while ((SECONDS < deadline)); do
        if timeout 5 xclip -selection clipboard -o >"$work/clip" 2>/dev/null; then
            bytes=$(od -An -v -tx1 "$work/clip" | tr -d ' \n')
            if [[ $bytes =~ $roll_pattern ]]; then
                echo "$bytes"
                return 0
            fi
        fi
        kill -0 "$kelvane_pid" 2>/dev/null || fail "kelvane ended during the roll: $(cat "$work/kelvane.log")"
        sleep 0.2
    done
    fail "the clipboard does not hold $dice die values 1...6 each ended by CR LF; last bytes: '$bytes'"
}

# Prints the result caption of the program's window, as the accessibility bus names its frame.
result_caption() {
    /usr/bin/python3 - <<'END'
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def frames(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child.get_role() == Atspi.Role.PANEL:
            yield child.get_name()
        yield from frames(child)

for name in frames(Atspi.get_desktop(0)):
    if ": " in name:
        print(name)
END
}

# A private runtime directory, as the toolkit asks for one.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb
if [[ -n ${LANGUAGE:-} ]]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    accessibility_pid=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi

# A fresh start: three dice, then twenty.
start_kelvane
click_clipboard_option
set_md6 3
click_d6
first_start_three=$(read_roll 3)
if [[ -n ${LANGUAGE:-} ]]; then
    caption=$(result_caption)
    [[ $caption == *": 3d6" && $caption != "Result: 3d6" ]] ||
        fail "under LANGUAGE=$LANGUAGE the result caption reads '$caption'"
    unset LANGUAGE
fi
import -window "$window" "$screenshot" || fail "could not save the screenshot"
set_md6 20
click_d6
first_start_twenty=$(read_roll 20)
stop_kelvane

# A second fresh start repeats the three dice; after Seed Generator the twenty differ.
start_kelvane
click_clipboard_option
set_md6 3
click_d6
second_start_three=$(read_roll 3)
[[ $second_start_three == "$first_start_three" ]] ||
    fail "two fresh starts rolled differently: $first_start_three, $second_start_three"
click_seed
set_md6 20
click_d6
seeded_twenty=$(read_roll 20)
[[ $seeded_twenty != "$first_start_twenty" ]] ||
    fail "the roll after Seed Generator repeats the unseeded one"
stop_kelvane

echo "PASS: screenshot in $screenshot"
