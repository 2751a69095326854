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
chat_id=7c7fba66680ef796b916b067077cc246adacf01d

statements="$(statement WhatsAppPushNames); $(statement WhatsAppGroupMembers); $(statement WhatsAppSessions);
$(statement WhatsAppMessages); SELECT * FROM ZWAMESSAGE AS M JOIN ZWAMEDIAITEM AS I ON M.ZMEDIAITEM = I.Z_PK;"

# make_backup FOLDER MESSAGES: 200 chats (one in four a group of five),
# one message in five with a media item, one in fifty a reply.
make_backup() {
  local db="$1/${chat_id:0:2}/$chat_id"
  mkdir -p "$(dirname "$db")"
  sqlite3 "file:$here/../tests/data/real/whatsapp/ChatStorage-ios15.sqlite?immutable=1" .schema > "$work/schema.sql"
  sqlite3 "$db" <<SQL
.read $work/schema.sql
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200)
INSERT INTO ZWACHATSESSION (Z_PK, Z_ENT, Z_OPT, ZARCHIVED, ZHIDDEN, ZSESSIONTYPE, ZCONTACTJID, ZPARTNERNAME)
  SELECT i, 3, 1, 0, 0, CASE WHEN i % 4 = 0 THEN 1 ELSE 0 END,
    CASE WHEN i % 4 = 0 THEN printf('1203630%011d@g.us', i) ELSE printf('1555%07d@s.whatsapp.net', i) END,
    'Chat partner ' || i FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250)
INSERT INTO ZWAGROUPMEMBER (Z_PK, Z_ENT, Z_OPT, ZCHATSESSION, ZMEMBERJID)
  SELECT i, 7, 1, ((i - 1) / 5 + 1) * 4, printf('1555%07d@s.whatsapp.net', i) FROM n;
INSERT INTO ZWAPROFILEPUSHNAME (Z_PK, Z_ENT, Z_OPT, ZJID, ZPUSHNAME)
  SELECT Z_PK, 13, 1, ZMEMBERJID, 'Member ' || Z_PK FROM ZWAGROUPMEMBER;
WITH RECURSIVE m(i) AS (SELECT 5 UNION ALL SELECT i + 5 FROM m WHERE i + 5 <= $2)
INSERT INTO ZWAMEDIAITEM (Z_PK, Z_ENT, Z_OPT, ZFILESIZE, ZMEDIALOCALPATH, ZXMPPTHUMBPATH, ZMETADATA)
  SELECT i / 5, 9, 1, 1000 + i, printf('Media/%d/a/b/%d.jpg', i % 200, i), printf('Media/%d/a/b/%d.thumb', i % 200, i),
    CASE WHEN i % 50 = 0 THEN CAST('*' || char(20) || printf('3A%018d', i - 1) || ' quoted sender 1555@s.whatsapp.net' AS BLOB) END
  FROM m;
WITH RECURSIVE m(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM m WHERE i < $2)
INSERT INTO ZWAMESSAGE (Z_PK, Z_ENT, Z_OPT, ZMESSAGETYPE, ZGROUPEVENTTYPE, ZISFROMME, ZMESSAGESTATUS, ZCHATSESSION,
    ZGROUPMEMBER, ZMEDIAITEM, ZMESSAGEDATE, ZFROMJID, ZSTANZAID, ZTEXT)
  SELECT i, 11, 1, CASE WHEN i % 5 = 0 AND i % 50 THEN 1 ELSE 0 END, 0, i % 2, 8, i % 200 + 1,
    CASE WHEN (i % 200 + 1) % 4 = 0 THEN ((i % 200 + 1) / 4 - 1) * 5 + i % 5 + 1 END,
    CASE WHEN i % 5 = 0 THEN i / 5 END, 700000000 + i, printf('1555%07d@s.whatsapp.net', i % 200 + 1),
    printf('3A%018d', i), 'Message number ' || i || ', a little longer than most texts are' FROM m;
COMMIT;
SQL
  echo "$db"
}

mkdir -p "$work/small" "$work/large" "$work/out"
make_backup "$work/small" 20000 > /dev/null
large_db=$(make_backup "$work/large" 200000)

ours=$(best_of 3 "$build/bin/vardex-scan" --count --mask 0x80000 --backup "$work/large" --out "$work/out")
reference=$(best_of 3 sqlite3 "$large_db" "$statements")
report "whatsapp 200,000 messages" "$ours" "$reference" 3

memory_growth "whatsapp" "20,000 messages" "200,000 messages" 0x80000 "$work/small" "$work/large" "$work/out"
