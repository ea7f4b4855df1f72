#!/bin/bash
# Builds the Debian package from a configured and built tree and checks it without installing
# it: its control fields, its files, lintian's verdict, and that the unpacked program opens
# its window with only the libraries its Depends bring.
#
# Usage: check_package.sh <cpack> <build directory>
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly cpack=$1
readonly build_dir=$2
readonly wait_seconds=20

work=$(mktemp -d)
xvfb_pid=""
kelvane_pid=""

cleanup() {
    end_processes $kelvane_pid $xvfb_pid
    rm -rf "$work"
}
trap cleanup EXIT

"$cpack" --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$work/cpack/kelvane_1.0.0-1_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $(basename "$deb") among: $(ls "$work/cpack")"

expect_field() {
    local actual
    actual=$(dpkg-deb -f "$deb" "$1")
    [[ $actual == "$2" ]] || fail "$1 is '$actual', expected '$2'"
}
expect_field Package kelvane
expect_field Version 1.0.0-1
expect_field Architecture "$(dpkg --print-architecture)"
expect_field Section games
expect_field Priority optional
expect_field Homepage https://kelvane.example.org
expect_field Recommends "fonts-liberation2, qt6-translations-l10n"
expect_field Maintainer "Kelvane developers <developers@kelvane.example.org>"
description=$(dpkg-deb -f "$deb" Description)
[[ $(head -n 1 <<<"$description") == "Dice rolling for gamers" ]] ||
    fail "the description's summary is not the metainfo's: $description"
[[ $description == *"Kelvane provides the fantasy roll player"* ]] ||
    fail "the description lacks the metainfo's text: $description"

# The package names in Depends, without versions or alternatives; those of the libraries the
# program links show that dpkg-shlibdeps ran.
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n' | sed 's/(.*)//; s/ //g' | sort -u)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0; do
    grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/contents"
diff -u - "$work/contents" <<'CONTENTS' || fail "the package holds other files than these"
./usr/bin/kelvane
./usr/share/applications/org.kelvane.Kelvane.desktop
./usr/share/doc/kelvane/changelog.Debian.gz
./usr/share/doc/kelvane/copyright
./usr/share/icons/hicolor/128x128/apps/kelvane.png
./usr/share/icons/hicolor/16x16/apps/kelvane.png
./usr/share/icons/hicolor/256x256/apps/kelvane.png
./usr/share/icons/hicolor/32x32/apps/kelvane.png
./usr/share/icons/hicolor/48x48/apps/kelvane.png
./usr/share/icons/hicolor/64x64/apps/kelvane.png
./usr/share/icons/hicolor/scalable/apps/kelvane.svg
./usr/share/lintian/overrides/kelvane
./usr/share/man/man6/kelvane.6.gz
./usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml
CONTENTS

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
cat "$work/lintian.log"

dpkg-deb -x "$deb" "$work/root"
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb
unset QT_QPA_PLATFORM
"$work/root/usr/bin/kelvane" >"$work/kelvane.log" 2>&1 &
kelvane_pid=$!
wait_for_window '^Windows Kelvane$' >/dev/null ||
    fail "the unpacked program opened no window \"Windows Kelvane\": $(cat "$work/kelvane.log")"

# The platform plugin that the running program loaded, and the libraries it links, must come
# from packages that Depends brings, directly or through the Depends of others: no library
# the program links says so. Other plugins are loaded only because they happen to be present.
grep -o '/[^ ]*/qt6/plugins/platforms/[^ ]*\.so$' "/proc/$kelvane_pid/maps" | sort -u >"$work/plugins"
[[ -s $work/plugins ]] || fail "the program loaded no platform plugin"
while read -r plugin; do
    echo "$plugin"
    ldd "$plugin" | awk '$3 ~ /^\// { print $3 }'
done <"$work/plugins" | sort -u >"$work/libraries"
# shellcheck disable=SC2086
apt-cache depends --recurse --important $depends | grep -v '^ ' | sort -u >"$work/closure"
# dpkg knows a library of merged /usr by the path its package gave, /lib or /usr/lib.
sed 's|^/usr/lib/|/lib/|' "$work/libraries" | sed 'p; s|^/lib/|/usr/lib/|' |
    xargs dpkg-query --search 2>/dev/null >"$work/owners" || true
while read -r library; do
    owner=$(awk -v path="${library#/usr}" '{ sub(/^\/usr/, "", $NF) }
        $NF == path { sub(/:.*/, ""); print; exit }' "$work/owners")
    [[ -n $owner ]] || fail "no package holds $library"
    grep -qx "$owner" "$work/closure" || fail "$library comes from $owner, which Depends does not bring"
done <"$work/libraries"
echo "PASS: the platform plugin and its $(($(wc -l <"$work/libraries") - 1)) libraries come with Depends"
