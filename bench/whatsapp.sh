#!/usr/bin/env bash
# The WhatsApp scan against sqlite3 running the same four statements and the
# join of the messages with their media items, and the scan's peak memory as
# the message count grows: bench/whatsapp.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

statements="$(statement WhatsAppPushNames); $(statement WhatsAppGroupMembers); $(statement WhatsAppSessions);
$(statement WhatsAppMessages); SELECT * FROM ZWAMESSAGE AS M JOIN ZWAMEDIAITEM AS I ON M.ZMEDIAITEM = I.Z_PK;"

mkdir -p "$work/small" "$work/large" "$work/out"
make_whatsapp_backup "$work/small" 20000 200 > /dev/null
large_db=$(make_whatsapp_backup "$work/large" 200000 200)

ours=$(best_of 3 "$build/bin/vardex-scan" --count --mask 0x80000 --backup "$work/large" --out "$work/out")
reference=$(best_of 3 sqlite3 "$large_db" "$statements")
report "whatsapp 200,000 messages" "$ours" "$reference" 3

memory_growth "whatsapp" "20,000 messages" "200,000 messages" 0x80000 "$work/small" "$work/large" "$work/out"
