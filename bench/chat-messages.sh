#!/usr/bin/env bash
# The Messages view on one conversation of a million messages, drawn
# offscreen: opening it and scrolling to its last row, then a search for a
# word one message in a hundred holds, each against quenrow-store-dump
# reading the same backup; the GUI thread's longest stall; the view's memory
# per message above the store's. bench/chat-messages.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
mkdir -p "$work/backup" "$work/out"

messages=1000000
# One handle with its one chat; "pineapple" in one message of a hundred.
sms_id=3d0d7e5fb2ce288813306e4d4636395e047a3d28
db="$work/backup/${sms_id:0:2}/$sms_id"
mkdir -p "$(dirname "$db")"
add_manifest "$work/backup" "$sms_id" HomeDomain Library/SMS/sms.db
sqlite3 "$db" <<SQL
.read $bench_dir/../tests/support/sql/sms.sql
.read $bench_dir/../tests/support/sql/sms-recoverable.sql
BEGIN;
INSERT INTO handle (ROWID, id, country, service, uncanonicalized_id) VALUES (1, '+15550000001', 'us', 'iMessage', '5550000001');
INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name) VALUES (1, 'iMessage;-;+15550000001', 45, '+15550000001', 'iMessage');
INSERT INTO chat_handle_join VALUES (1, 1);
WITH RECURSIVE m(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM m WHERE i < $messages)
INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me)
  SELECT i, 'guid-' || i, 'Message number ' || i || CASE WHEN i % 100 = 0 THEN ', pineapple' ELSE ', a little longer' END,
    1, 'iMessage', 700000000000000000 + i * 1000000000, i % 2 FROM m;
COMMIT;
SQL

reference=$(best_of 3 "$build/bin/quenrow-store-dump" --count --categories 2 --backup "$work/backup" --out "$work/out")
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" HOME="$work" \
  "$build/bin/quenrow-chat-bench" --backup "$work/backup" --out "$work/out" --keyword pineapple \
  > "$work/result" 2> "$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
read -r open search stall bytes shown found < "$work/result"
awk -v a="$open" -v b="$reference" -v n="$shown" 'BEGIN { r = a / b;
  printf "chat messages open and scroll to the end of %d: view %.3f s, quenrow-store-dump %.3f s, ratio %.2f (target <= 0.5) %s\n",
    n, a, b, r, (r <= 0.5 ? "ok" : "SLOW") }'
awk -v a="$search" -v b="$reference" -v f="$found" 'BEGIN { r = a / b;
  printf "chat messages search (%d found): view %.3f s, quenrow-store-dump %.3f s, ratio %.2f (target <= 1.0) %s\n",
    f, a, b, r, (r <= 1.0 ? "ok" : "SLOW") }'
awk -v s="$stall" 'BEGIN { printf "chat messages longest stall: %d ms (target <= 50) %s\n", s, (s <= 50 ? "ok" : "SLOW") }'
awk -v m="$bytes" 'BEGIN { printf "chat messages memory: %.1f bytes per message above the store (target <= 32) %s\n",
  m, (m <= 32 ? "ok" : "LARGE") }'
