#!/bin/bash
# Shares rolls from the real program with a local server that answers as Discord's webhook
# API does: five notation rolls typed into the window reach the server in order, each once,
# with mentions off, a game system's roll with its outcome and chance, a roll too long for one message is cut to Discord's 2,000 characters with
# its total kept, the roll log marks each row shared, and the webhook's token appears nowhere
# in the program's output or data.
# Prints the time from each Enter to the server's receipt of that roll.
#
# Usage: kelvane_table.sh <screenshot to write> <webhook server script> <command that starts Kelvane>
set -euo pipefail

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.bash"

readonly screenshot=$1
readonly server_script=$2
shift 2
readonly kelvane=("$@")
readonly wait_seconds=30
readonly secret=S3cr3tEndToEnd
readonly rolls=6

work=$(mktemp -d)
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
xvfb_pid=""
server_pid=""
kelvane_pid=""

cleanup() {
    end_processes $kelvane_pid $server_pid $xvfb_pid
    rm -rf "$work"
}
trap cleanup EXIT

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 \
    -addext subjectAltName=IP:127.0.0.1 -keyout "$work/server.key" -out "$work/server.pem" \
    >/dev/null 2>&1 || fail "openssl could not make a certificate"
python3 "$server_script" "$work/server.pem" "$work/server.key" "$work/receipts.jsonl" \
    >"$work/server.out" 2>&1 &
server_pid=$!
deadline=$((SECONDS + wait_seconds))
until grep -q '^PORT ' "$work/server.out"; do
    ((SECONDS < deadline)) || fail "the webhook server did not start: $(cat "$work/server.out")"
    sleep 0.1
done
port=$(sed -n 's/^PORT //p' "$work/server.out")

mkdir -p "$XDG_CONFIG_HOME/Kelvane"
printf '{"webhook":"https://discord.com/api/webhooks/4242/ok_%s","name":"Thorin","share":true}' \
    "$secret" >"$XDG_CONFIG_HOME/Kelvane/table.json"

start_xvfb
KELVANE_DISCORD_API_BASE=https://127.0.0.1:$port/api SSL_CERT_FILE=$work/server.pem \
    "${kelvane[@]}" >"$work/kelvane.log" 2>&1 &
kelvane_pid=$!
window=$(wait_for_window '^Windows Kelvane$') || fail "no window: $(cat "$work/kelvane.log")"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

xdotool key alt+n
for ((roll = 1; roll <= rolls; roll++)); do
    xdotool key ctrl+a
    if ((roll == 2)); then
        xdotool type --delay 10 "bitd 3 # Roll $roll @everyone"
    elif ((roll < rolls)); then
        xdotool type --delay 10 "d20+5 # Roll $roll @everyone"
    else
        xdotool type --delay 10 "1000d6 # Roll $roll @everyone"
    fi
    date +%s.%N >>"$work/entered"
    xdotool key Return
    sleep 0.3
done

deadline=$((SECONDS + wait_seconds))
until (($(grep -c '"status": 200' "$work/receipts.jsonl" 2>/dev/null || true) >= rolls)); do
    ((SECONDS < deadline)) || fail "not every roll reached the server: $(cat "$work/receipts.jsonl")"
    sleep 0.2
done
sleep 1
import -window root "$screenshot"

python3 - "$work/receipts.jsonl" "$work/entered" "$rolls" <<'PYTHON'
import json, re, statistics, sys
receipts = [json.loads(line) for line in open(sys.argv[1])]
entered = [float(line) for line in open(sys.argv[2])]
rolls = int(sys.argv[3])
posted = [r for r in receipts if r["status"] == 200]
bodies = [json.loads(r["body"]) for r in posted]
labels = [b["content"].split("**")[1] for b in bodies]
expected = [f"Roll {n} \\@everyone" for n in range(1, rolls + 1)]
assert labels == expected, f"posted {labels}, expected {expected}"
# A roll with an outcome says it in bold, with its chance.
outcome = re.fullmatch(r"\*\*Roll 2 \\@everyone\*\* bitd 3: \{?\[.*\] = \*\*[1-6]\*\* · "
                       r"\*\*(\w+)\*\* \((\d+\.\d\d) %\)", bodies[1]["content"])
chances = {"Critical": "7.41", "Success": "34.72", "Partial": "45.37", "Failure": "12.50"}
assert outcome and chances[outcome[1]] == outcome[2], bodies[1]["content"]
longest = bodies[-1]["content"]
assert len(longest.encode("utf-16-le")) // 2 <= 2000 and "… = **" in longest, longest[-80:]
assert all(b["allowed_mentions"] == {"parse": []} for b in bodies), bodies
assert all(b["username"] == "Thorin" for b in bodies), bodies
assert all(r["user_agent"].startswith("Kelvane/") for r in posted), posted
delays = [(r["time"] - e) * 1000 for r, e in zip(posted, entered)]
print("roll to receipt, ms: " + ", ".join(f"{d:.0f}" for d in delays) +
      f"; median {statistics.median(delays):.0f}")
PYTHON

# Each roll's row in the roll log says it was shared, once the answer has come.
deadline=$((SECONDS + wait_seconds))
until python3 - "$XDG_DATA_HOME/Kelvane/kelvane.sqlite3" "$rolls" <<'PYTHON'
import sqlite3, sys
states = [row[0] for row in sqlite3.connect(sys.argv[1]).execute(
    "SELECT share_state FROM roll_log ORDER BY id")]
sys.exit(0 if states == [2] * int(sys.argv[2]) else 1)
PYTHON
do
    ((SECONDS < deadline)) || fail "the roll log does not say that every roll was shared"
    sleep 0.2
done

if grep -rq "$secret" "$work/kelvane.log" "$XDG_DATA_HOME"; then
    fail "the webhook's token appears in the program's output or data"
fi
echo "PASS: $rolls rolls shared in order"
