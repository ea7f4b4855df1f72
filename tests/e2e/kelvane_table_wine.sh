#!/bin/bash
# The installed kelvane.exe under Wine, sharing with two local servers that answer as Discord's
# webhook API does. With the first server's certificate trusted through SSL_CERT_FILE, "Send a
# test message" in the Table dialog reaches it. The second server's certificate is trusted by
# nothing: a roll shared with it is refused at the TLS handshake, never posted, and stays in
# the outbox.
#
# Usage: kelvane_table_wine.sh <screenshot to write> <webhook server script> <Wine> <kelvane.exe>
# WINEPREFIX names the tests' Wine prefix.
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly screenshot=$1
readonly server_script=$2
readonly wine=$3
readonly kelvane=$4
readonly wait_seconds=60

work=$(mktemp -d)
xvfb_pid=""
window_manager_pid=""
kelvane_pid=""
trusted_pid=""
untrusted_pid=""
settings=""

cleanup() {
    local status=$?
    # What the screen showed when the test failed.
    if ((status != 0)) && [[ -n ${DISPLAY:-} ]]; then
        import -window root "${screenshot%.png}-failed.png" 2>/dev/null || true
    fi
    end_processes $kelvane_pid $trusted_pid $untrusted_pid $window_manager_pid $xvfb_pid
    # The prefix is shared with the other Windows tests: none of them should share rolls.
    [[ -z $settings ]] || rm -f "$settings"
    rm -rf "$work"
}
trap cleanup EXIT

# Starts a server on a certificate of its own, and prints its port.
start_server() {
    local name=$1
    openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 \
        -addext subjectAltName=IP:127.0.0.1 -keyout "$work/$name.key" -out "$work/$name.pem" \
        >/dev/null 2>&1 || fail "openssl could not make a certificate"
    python3 "$server_script" "$work/$name.pem" "$work/$name.key" "$work/$name.jsonl" \
        >"$work/$name.out" 2>&1 &
    echo $! >"$work/$name.pid"
}

wait_for_port() {
    local deadline=$((SECONDS + wait_seconds))
    until grep -q '^PORT ' "$work/$1.out"; do
        ((SECONDS < deadline)) || fail "the $1 server did not start: $(cat "$work/$1.out")"
        sleep 0.1
    done
    sed -n 's/^PORT //p' "$work/$1.out"
}

# Waits until a receipt of the given server satisfies the Python expression `ok` over its
# JSON lines `receipts`.
wait_for_receipts() {
    local name=$1 expression=$2 what=$3
    local deadline=$((SECONDS + wait_seconds))
    until python3 - "$work/$name.jsonl" "$expression" <<'PYTHON'
import json, os, sys
path = sys.argv[1]
receipts = [json.loads(line) for line in open(path)] if os.path.exists(path) else []
sys.exit(0 if eval(sys.argv[2], {"receipts": receipts, "json": json}) else 1)
PYTHON
    do
        ((SECONDS < deadline)) || fail "$what: $(cat "$work/$name.jsonl" 2>/dev/null)"
        sleep 0.2
    done
}

# Windows' own folder for the user's local and roaming data, as a path on this side.
windows_folder() {
    local folder
    folder=$("$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')
    "$wine" winepath -u "$folder" 2>/dev/null
}

start_kelvane() {
    local port=$1
    KELVANE_DISCORD_API_BASE=https://127.0.0.1:$port/api \
        SSL_CERT_FILE=$("$wine" winepath -w "$work/trusted.pem" 2>/dev/null) \
        "$wine" "$kelvane" >"$work/kelvane.log" 2>&1 &
    kelvane_pid=$!
    window=$(wait_for_window '^Windows Kelvane$') || fail "no window: $(cat "$work/kelvane.log")"
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

stop_kelvane() {
    end_processes $kelvane_pid
    kelvane_pid=""
}

write_settings() {
    printf '{"webhook":"https://discord.com/api/webhooks/4242/%s","name":"Thorin","share":%s}' \
        "$1" "$2" >"$settings"
}

start_server trusted
start_server untrusted
trusted_pid=$(cat "$work/trusted.pid")
untrusted_pid=$(cat "$work/untrusted.pid")
trusted_port=$(wait_for_port trusted)
untrusted_port=$(wait_for_port untrusted)

config=$(windows_folder LOCALAPPDATA)/Kelvane
data=$(windows_folder APPDATA)/Kelvane
[[ $config != /Kelvane && $data != /Kelvane ]] || fail "Wine names no folders for the user's data"
mkdir -p "$config"
settings=$config/table.json

start_desktop "$wine"

# The test message, from the Table dialog, to the server whose certificate is trusted.
write_settings ok_S3cr3tWineTest false
start_kelvane "$trusted_port"
xdotool key alt+t
dialog=$(wait_for_window '^Table( - Kelvane)?$') || fail "the Table dialog did not open"
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool key alt+t
wait_for_receipts trusted \
    'any(r["status"] == 200 and json.loads(r["body"])["content"] == "Kelvane will share rolls here." and json.loads(r["body"])["username"] == "Thorin" for r in receipts)' \
    "the test message did not reach the server"
sleep 1
import -window root "$screenshot"
xdotool key Escape
stop_kelvane

# A roll shared with the server that no certificate vouches for.
write_settings ok_S3cr3tWineRefused true
start_kelvane "$untrusted_port"
xdotool key alt+n
xdotool type --delay 20 "d20 # Wine"
xdotool key Return
wait_for_receipts untrusted 'any(r["status"] == -1 for r in receipts)' \
    "the untrusted server saw no handshake"
sleep 2
wait_for_receipts untrusted 'all(r["status"] == -1 for r in receipts)' \
    "a roll was posted over a certificate that does not verify"
import -window root "${screenshot%.png}-refused.png"
python3 - "$data/kelvane.sqlite3" <<'PYTHON' || fail "the refused roll is not kept in the outbox"
import sqlite3, sys
database = sqlite3.connect(sys.argv[1])
waiting = [row[0] for row in database.execute("SELECT content FROM table_outbox")]
assert any("**Wine**" in content for content in waiting), waiting
PYTHON
stop_kelvane

if grep -q "S3cr3tWine" "$work/kelvane.log"; then
    fail "the webhook's token appears in the program's output"
fi
echo "PASS: a test message posted, and a certificate that does not verify refused, under Wine"
