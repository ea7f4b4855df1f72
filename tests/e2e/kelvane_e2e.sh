#!/bin/bash
# Drives the real program under its own Xvfb, with a small window manager as a desktop has,
# with mouse and keyboard only, and checks what a player sees: what a roll puts on the X
# clipboard (the byte format, the same rolls on every fresh start, different rolls after Seed
# Generator), the largest roll, the overflow message, after which the program goes on, a roll
# of dice notation, the About dialog, and a roll saved in the roll book, found after a restart
# and rolled from there.
#
# Usage: kelvane_e2e.sh <screenshot to write> <command that starts Kelvane> [its arguments]
#
# With WINEPREFIX set, the command starts kelvane.exe under Wine ($WINE names Wine itself),
# and the System Information launcher is checked too, through that prefix's registry: with no
# registry value the message appears, with the value naming Wine's msinfo32.exe that starts,
# and so it does with only the second value, which names the folder that holds it.
#
# With LANGUAGE set (under dbus-run-session), the first start runs in that language and the
# second in English: the result caption, read through the accessibility bus, must name the roll
# in that language, and both starts must put the same bytes on the clipboard. For German, with
# German numbers, the odds line after 3d6 is read and checked too.
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly screenshot=$1
shift
readonly kelvane=("$@")
readonly wait_seconds=30

work=$(mktemp -d)
# The program keeps its database and settings in these: never the user's own.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
xvfb_pid=""
window_manager_pid=""
kelvane_pid=""
accessibility_pid=""

cleanup() {
    end_processes $kelvane_pid $accessibility_pid $window_manager_pid $xvfb_pid
    rm -rf "$work"
}
trap cleanup EXIT

# The window manager places the window; its client area's position is read, not assumed.
window=""
origin_x=0
origin_y=0

window_is_shown() {
    [[ -n $(xdotool search --onlyvisible --name "$1" 2>/dev/null) ]]
}

start_kelvane() {
    unset QT_QPA_PLATFORM
    "${kelvane[@]}" >"$work/kelvane.log" 2>&1 &
    kelvane_pid=$!
    window=$(wait_for_window '^Windows Kelvane$') || true
    if [[ -z $window ]]; then
        # Where a program that never shows its window waits, or that it has ended.
        local state="has ended"
        ! kill -0 "$kelvane_pid" 2>/dev/null || state="waits at:"$'\n'$(gdb -batch \
            -p "$kelvane_pid" -ex 'thread apply all bt 12' 2>/dev/null | grep '^#' | head -n 80)
        fail "no window \"Windows Kelvane\" appeared; the screen holds:" \
            "$(xwininfo -root -children 2>/dev/null | grep '"' | head -n 20)" \
            $'\n'"The program $state"$'\n'"Its output: $(cat "$work/kelvane.log")"
    fi
    # xwininfo, as xdotool counts the frame's offset twice.
    local geometry
    geometry=$(xwininfo -id "$window")
    origin_x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$geometry")
    origin_y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$geometry")
}

expect_running() {
    kill -0 "$kelvane_pid" 2>/dev/null || fail "kelvane ended $1: $(cat "$work/kelvane.log")"
}

# Ends the program with SIGTERM. A sanitizer build thus never reaches LeakSanitizer's exit
# check, which would report the toolkit's and the font libraries' allocations that stay
# reachable until exit.
stop_kelvane() {
    expect_running "by itself"
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
click_about() { click_at $((192 + 32)) $((296 + 12)); }

# Replaces the text of md6: focus it by clicking, select all, type the new count.
set_md6() {
    click_md6
    xdotool key ctrl+a
    xdotool type --delay 30 "$1"
}

# Each value on the clipboard ends in CR LF, as the program writes it. Under Wine, X11 programs
# read LF alone: Wine hands Windows text to X11 with each CR LF made an LF.
line_end="CR LF"
cr=$'\r'
if [[ -n ${WINEPREFIX:-} ]]; then
    line_end="LF"
    cr=""
fi

# Waits until the clipboard holds a roll of the given number of dice, each value 1 to 6 ended
# by the line end (as many LFs as dice, and each line a value and its CR), and prints it as
# hex bytes. The program owns the X clipboard, so this must run while it is still running.
read_roll() {
    local dice=$1
    local deadline=$((SECONDS + wait_seconds))
    while ((SECONDS < deadline)); do
        if timeout 5 xclip -selection clipboard -o >"$work/clip" 2>/dev/null &&
            [[ $(wc -l <"$work/clip") -eq $dice ]] &&
            ! LC_ALL=C grep -qvx "[1-6]$cr" "$work/clip"; then
            od -An -v -tx1 "$work/clip" | tr -d ' \n'
            return 0
        fi
        expect_running "during the roll"
        sleep 0.2
    done
    fail "the clipboard does not hold $dice die values 1...6 each ended by $line_end; it holds" \
        "$(head -c 60 "$work/clip" | od -An -tx1 | tr -d '\n')..."
}

# Waits for a message box with the application's title, closes it with Enter and checks
# that the program goes on.
expect_message_box() {
    local box
    box=$(wait_for_window '^Kelvane$') || true
    [[ -n $box ]] || fail "no message box appeared $1"
    import -window root "$work/message.png" 2>/dev/null || true
    xdotool windowactivate --sync "$box" key Return
    local deadline=$((SECONDS + wait_seconds))
    while window_is_shown '^Kelvane$'; do
        ((SECONDS < deadline)) || fail "the message box $1 does not close on Enter"
        sleep 0.2
    done
    expect_running "after the message box $1"
}

# Prints the names of every object of the given role on the accessibility bus, such as the
# frames (PANEL) and the labels (LABEL) of the program's window.
accessible_names() {
    /usr/bin/python3 - "$1" <<'END'
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
role = getattr(Atspi.Role, sys.argv[1])
def names(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child.get_role() == role:
            yield child.get_name()
        yield from names(child)
for name in names(Atspi.get_desktop(0)):
    print(name)
END
}

# The odds line of 3d6 for the given total, in German, counted from the 27 ways in 216 by hand.
german_odds_of_3d6() {
    /usr/bin/python3 - "$1" <<'END'
import sys
ways = dict(zip(range(3, 19), [1, 3, 6, 10, 15, 21, 25, 27, 27, 25, 21, 15, 10, 6, 3, 1]))
total = int(sys.argv[1])
share = lambda n: f"{100 * n / 216:.2f} %".replace(".", ",")
more = sum(w for t, w in ways.items() if t >= total)
less = sum(w for t, w in ways.items() if t <= total)
print(f"{total} oder mehr: {share(more)}  ·  {total} oder weniger: {share(less)}"
      "  ·  Mittel 10,50  ·  3 bis 18")
END
}

# A private runtime directory, as the toolkit asks for one, and a data folder of its own for
# Kelvane's database, away from the user's.
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_desktop "${WINEPREFIX:+$WINE}"
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
    caption=$(accessible_names PANEL | grep -F ": " || true)
    [[ $caption == *": 3d6" && $caption != "Result: 3d6" ]] ||
        fail "under LANGUAGE=$LANGUAGE the result caption reads '$caption'"
    # The three values on the clipboard give the total, and the odds line stands beside it.
    total=$(($(xclip -selection clipboard -o | tr -d '\r' | paste -sd+)))
    odds=$(accessible_names LABEL | grep -F "  ·  " || true)
    [[ $odds == "$(german_odds_of_3d6 "$total")" ]] ||
        fail "after 3d6 for $total the odds line reads '$odds'"
    unset LANGUAGE
fi
import -window root "$screenshot" || fail "could not save the screenshot"
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

# A count beyond 32767 is refused with a message, and the largest count still rolls.
set_md6 4e04
click_d6
expect_message_box "for the count 4e04"
set_md6 32e3
click_d6
read_roll 32000 >/dev/null

# Dice notation typed in its box rolls on Enter, and the clipboard takes the roll as one line:
# the higher of the two d20 kept, the lower marked as dropped, and the total of the kept one
# and 3.
xdotool windowactivate --sync "$window" key alt+n ctrl+a
xdotool type --delay 30 '2d20kh1+3'
xdotool key Return
deadline=$((SECONDS + wait_seconds))
notation_line='^2d20kh1\+3: \[([0-9]+)(d?), ([0-9]+)(d?)\]\+3 = ([0-9]+)'"$cr"'$'
until timeout 5 xclip -selection clipboard -o >"$work/clip" 2>/dev/null &&
    [[ $(wc -l <"$work/clip") -eq 1 && $(cat "$work/clip") =~ $notation_line ]]; do
    ((SECONDS < deadline)) || fail "the clipboard holds '$(head -c 80 "$work/clip")' after 2d20kh1+3"
    sleep 0.2
done
first=${BASH_REMATCH[1]} second=${BASH_REMATCH[3]} total=${BASH_REMATCH[5]}
kept=$((first >= second ? first : second))
[[ ${BASH_REMATCH[2]}${BASH_REMATCH[4]} == d && $total -eq $((kept + 3)) ]] ||
    fail "2d20kh1+3 put '$(cat "$work/clip")' on the clipboard"

# About opens its dialog, and Enter hides it again.
click_about
about=$(wait_for_window '^About Kelvane$') || true
[[ -n $about ]] || fail "About opened no dialog \"About Kelvane\""
xdotool windowactivate --sync "$about" key Return
deadline=$((SECONDS + wait_seconds))
while window_is_shown '^About Kelvane$'; do
    ((SECONDS < deadline)) || fail "the About dialog does not close on Enter"
    sleep 0.2
done

# System Info: Windows keeps the tool's path in the registry; a fresh prefix has none.
if [[ -n ${WINEPREFIX:-} ]]; then
    msinfo_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
    "$WINE" reg delete "$msinfo_key" /v PATH /f >/dev/null 2>&1 || true
    click_about
    about=$(wait_for_window '^About Kelvane$') || true
    xdotool windowactivate --sync "$about" key alt+s
    expect_message_box "for System Info without the registry value"

    "$WINE" reg add "$msinfo_key" /v PATH /t REG_SZ /d 'C:\windows\system32\msinfo32.exe' /f \
        >"$work/reg.log" 2>&1 || fail "could not set the registry value: $(cat "$work/reg.log")"
    xdotool windowactivate --sync "$about" key alt+s
    tool=$(wait_for_window 'System Information') || true
    [[ -n $tool ]] || fail "System Info did not start Wine's msinfo32.exe"
    xdotool windowclose "$tool"
    window_is_shown '^Kelvane$' && fail "System Info started the tool and still showed the message"

    # Without that value, the second names the folder that holds the tool.
    folder_key='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
    { "$WINE" reg delete "$msinfo_key" /v PATH /f &&
        "$WINE" reg add "$folder_key" /v MSINFO /t REG_SZ /d 'C:\windows\system32' /f; } \
        >"$work/reg.log" 2>&1 || fail "could not change the registry values: $(cat "$work/reg.log")"
    xdotool windowactivate --sync "$about" key alt+s
    tool=$(wait_for_window 'System Information') || true
    [[ -n $tool ]] || fail "System Info did not start msinfo32.exe from the folder in $folder_key"
    xdotool windowclose "$tool"
fi

stop_kelvane

# The roll book: a roll saved with Save (Alt+S) is there after a restart, and Enter on its row
# (the list is Alt+B) rolls it as if it had been typed.
# Rolling it after the save, the clipboard's line shows that the save, queued before the roll,
# was done: the first moments after the window shows may still be busy.
start_kelvane
click_clipboard_option
xdotool windowactivate --sync "$window" key alt+n ctrl+a
xdotool type --delay 30 'd20+5 # Longsword'
xdotool key alt+s alt+n Return
deadline=$((SECONDS + wait_seconds))
until timeout 5 xclip -selection clipboard -o 2>/dev/null | grep -q 'Longsword'; do
    ((SECONDS < deadline)) || fail "the roll saved as Longsword did not reach the clipboard"
    sleep 0.2
done
click_clipboard_option
stop_kelvane
start_kelvane
click_clipboard_option
xdotool windowactivate --sync "$window" key alt+b Return
deadline=$((SECONDS + wait_seconds))
book_line='^d20\+5: \[([0-9]+)\]\+5 = ([0-9]+) # Longsword'"$cr"'$'
until timeout 5 xclip -selection clipboard -o >"$work/clip" 2>/dev/null &&
    [[ $(cat "$work/clip") =~ $book_line ]]; do
    ((SECONDS < deadline)) || fail "the saved Longsword rolled '$(head -c 80 "$work/clip")'"
    sleep 0.2
done
((BASH_REMATCH[2] == BASH_REMATCH[1] + 5)) || fail "the saved Longsword rolled '$(cat "$work/clip")'"
stop_kelvane
echo "PASS: screenshot in $screenshot"
