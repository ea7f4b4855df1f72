#!/bin/bash
# Builds the Windows installer and zip from a configured and built tree, installs the
# installer silently into a fresh Wine prefix as a Windows user would, starts the installed
# program into its window, uninstalls it silently and checks that nothing of it is left.
#
# Usage: check_windows_installer.sh <cpack> <build directory> <wine>
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly cpack=$1
readonly build_dir=$2
readonly wine=$3
readonly wineserver=$(dirname "$wine")/wineserver64
readonly wait_seconds=30

work=$(mktemp -d)
xvfb_pid=""
kelvane_pid=""

cleanup() {
    [[ -n ${WINEPREFIX:-} ]] && "$wineserver" -k 2>/dev/null
    end_processes $kelvane_pid $xvfb_pid
    rm -rf "$work"
}
trap cleanup EXIT

"$cpack" --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
installer=$work/cpack/Kelvane-1.0.0-win64.exe
zip=$work/cpack/Kelvane-1.0.0-win64.zip
[[ -f $installer && -f $zip ]] || fail "no installer and zip among: $(ls "$work/cpack")"
cmake -E tar tf "$zip" >"$work/zip-contents"
for file in kelvane.exe Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    libstdc++-6.dll qt.conf translations/qtbase_de.qm licenses/Kelvane.txt licenses/Qt/LGPL-3.0-only.txt; do
    grep -qx "Kelvane-1.0.0-win64/$file" "$work/zip-contents" || fail "the zip lacks $file"
done

# Without Mono and Gecko, and without winemenubuilder, which would copy the Start-menu
# shortcut into this machine's own desktop menu.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
"$wine" wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot: $(cat "$work/wineboot.log")"
"$wineserver" -w
# Record what the fresh prefix holds, so that the uninstall can be checked against it.
(cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/before"

# The installer and the uninstaller it writes return at once and go on in processes of their
# own: wineserver -w waits until every program of the prefix has ended.
"$wine" "$installer" /S >"$work/install.log" 2>&1 || fail "the installer failed: $(cat "$work/install.log")"
"$wineserver" -w
program_dir=$WINEPREFIX/drive_c/Program\ Files/Kelvane
for file in kelvane.exe Uninstall.exe Qt6Core.dll platforms/qwindows.dll; do
    [[ -f $program_dir/$file ]] || fail "the installer put no $file into C:\\Program Files\\Kelvane"
done
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Kelvane/Kelvane.lnk
[[ -f $shortcut ]] || fail "the installer made no Start-menu shortcut"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvane'
"$wine" reg query "$uninstall_key" >"$work/uninstall-key" 2>&1 ||
    fail "no entry in Apps and Features: $(cat "$work/uninstall-key")"
grep -q 'DisplayVersion.*1\.0\.0' "$work/uninstall-key" ||
    fail "the Apps and Features entry has no version: $(cat "$work/uninstall-key")"
grep -q 'Publisher.*Kelvane developers' "$work/uninstall-key" ||
    fail "the Apps and Features entry has no publisher: $(cat "$work/uninstall-key")"

start_xvfb
"$wine" "$program_dir/kelvane.exe" >"$work/kelvane.log" 2>&1 &
kelvane_pid=$!
wait_for_window '^Windows Kelvane$' >/dev/null ||
    fail "the installed program opened no window: $(cat "$work/kelvane.log")"
kill "$kelvane_pid"
wait "$kelvane_pid" 2>/dev/null || true
kelvane_pid=""
"$wineserver" -w

"$wine" "$program_dir/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 ||
    fail "the uninstaller failed: $(cat "$work/uninstall.log")"
"$wineserver" -w
[[ ! -e $program_dir ]] || fail "the uninstaller left: $(cd "$program_dir" && find . | head)"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 && fail "the Apps and Features entry is left"
# The player's roll book, in their own AppData, stays: it is theirs, not the program's.
left=$(cd "$WINEPREFIX/drive_c" && find . | sort | comm -13 "$work/before" - |
    grep -i kelvane | grep -v '/AppData/Roaming/Kelvane' || true)
[[ -z $left ]] || fail "the uninstaller left: $left"
echo "PASS"
