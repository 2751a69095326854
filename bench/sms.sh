#!/usr/bin/env bash
# The messages scan against sqlite3 running the same three statements, and
# the scan's peak memory as the message count grows: bench/sms.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sms_id=3d0d7e5fb2ce288813306e4d4636395e047a3d28

# The statements of the newer-iOS variant.
statements="$(statement SmsTextA) $(statement SmsAttachmentA) $(statement SmsMembers)"

# make_backup FOLDER MESSAGES: 2,000 handles with a chat each, 100 group
# chats of five, one message in ten in a group, one in a hundred deleted.
make_backup() {
  local db="$1/${sms_id:0:2}/$sms_id"
  mkdir -p "$(dirname "$db")"
  sqlite3 "$db" <<SQL
.read $here/../tests/support/sql/sms.sql
.read $here/../tests/support/sql/sms-recoverable.sql
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
INSERT INTO handle (ROWID, id, country, service, uncanonicalized_id)
  SELECT i, printf('+1555%07d', i), 'us', CASE WHEN i % 3 THEN 'iMessage' ELSE 'SMS' END, printf('555%07d', i) FROM n;
INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name)
  SELECT ROWID, service || ';-;' || id, 45, id, service FROM handle;
WITH RECURSIVE g(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM g WHERE i < 100)
INSERT INTO chat (ROWID, guid, style, chat_identifier, service_name, room_name)
  SELECT 2000 + i, 'iMessage;+;chat' || i, 43, 'chat' || i, 'iMessage', 'chat' || i FROM g;
INSERT INTO chat_handle_join SELECT ROWID, ROWID FROM handle;
INSERT INTO chat_handle_join SELECT c.ROWID, h.ROWID FROM chat AS c JOIN handle AS h
  ON (h.ROWID - 1) % 100 + 1 = c.ROWID - 2000 AND h.ROWID <= 500 WHERE c.room_name IS NOT NULL;
WITH RECURSIVE m(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM m WHERE i < $2)
INSERT INTO message (ROWID, guid, text, handle_id, service, date, is_from_me, cache_roomnames)
  SELECT i, 'guid-' || i, 'Message number ' || i || ', a little longer than most texts are',
    i % 2000 + 1, 'iMessage', 700000000000000000 + i * 1000000000, i % 2,
    CASE WHEN i % 10 = 0 THEN 'chat' || ((i / 10) % 100 + 1) END FROM m;
INSERT INTO chat_recoverable_message_join (chat_id, message_id, delete_date)
  SELECT handle_id, ROWID, date + 1 FROM message WHERE ROWID % 100 = 7;
COMMIT;
SQL
  echo "$db"
}

mkdir -p "$work/small" "$work/large" "$work/out"
make_backup "$work/small" 100000 > /dev/null
large_db=$(make_backup "$work/large" 1000000)

ours=$(best_of 3 "$build/bin/vardex-scan" --count --mask 0x4 --backup "$work/large" --out "$work/out")
reference=$(best_of 3 sqlite3 "$large_db" "$statements")
report "sms 1,000,000 messages" "$ours" "$reference" 1.5

memory_growth "sms" "100,000 messages" "1,000,000 messages" 0x4 "$work/small" "$work/large" "$work/out"
