# Shared by the benchmarks. Each prints one line: what, both times, the ratio.
bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# best_of N COMMAND...: the shortest wall time of N runs, in seconds.
best_of() {
  local runs=$1; shift
  local best=
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
  done
  echo "$best"
}

# peak_kib COMMAND...: the peak resident memory of one run, in KiB.
peak_kib() {
  /usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -n 1
}

report() { # name ours reference target
  awk -v n="$1" -v a="$2" -v b="$3" -v t="$4" \
    'BEGIN { r = a / b; printf "%s: vardex-scan %.3f s, sqlite3 %.3f s, ratio %.2f (target <= %s) %s\n", n, a, b, r, t, (r <= t ? "ok" : "SLOW") }'
}

# statement NAME: a statement exactly as the engine's task builders hold it.
statement() {
  awk -v name="$1" '$0 ~ "const wchar_t \\*const " name " =" { getline; sub(/^ *L"/, ""); sub(/";$/, ""); print; exit }' \
    "$(dirname "${BASH_SOURCE[0]}")/../engine/src/dbaddtaskfunction.cpp"
}

# memory_growth NAME SMALL_LABEL LARGE_LABEL MASK SMALL_BACKUP LARGE_BACKUP OUT:
# the scan's peak memory on a small and a large backup.
memory_growth() {
  local small large
  small=$(peak_kib "$build/bin/vardex-scan" --count --mask "$4" --backup "$5" --out "$7")
  large=$(peak_kib "$build/bin/vardex-scan" --count --mask "$4" --backup "$6" --out "$7")
  awk -v n="$1" -v sl="$2" -v ll="$3" -v s="$small" -v l="$large" 'BEGIN {
    printf "%s peak memory: %s %d KiB, %s %d KiB, growth %.2f (target flat) %s\n",
      n, sl, s, ll, l, l / s, (l / s <= 1.5 ? "ok" : "GROWS") }'
}

# add_manifest FOLDER FILE_ID DOMAIN RELATIVE_PATH: a Manifest.db naming the
# file, as every backup has one; a folder without it is no backup to scan.
add_manifest() {
  sqlite3 "$1/Manifest.db" "CREATE TABLE IF NOT EXISTS Files (fileID TEXT PRIMARY KEY, domain TEXT,
    relativePath TEXT, flags INTEGER, file BLOB); INSERT INTO Files VALUES ('$2', '$3', '$4', 1, NULL);"
}

# make_sms_backup FOLDER MESSAGES: a backup folder holding only a messages
# database, with 2,000 handles with a chat each, 100 group chats of five, one
# message in ten in a group, one in a hundred deleted. Prints the database.
make_sms_backup() {
  local sms_id=3d0d7e5fb2ce288813306e4d4636395e047a3d28
  local db="$1/${sms_id:0:2}/$sms_id"
  mkdir -p "$(dirname "$db")"
  add_manifest "$1" "$sms_id" HomeDomain Library/SMS/sms.db
  sqlite3 "$db" <<SQL
.read $bench_dir/../tests/support/sql/sms.sql
.read $bench_dir/../tests/support/sql/sms-recoverable.sql
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

# make_whatsapp_backup FOLDER MESSAGES CHATS: a backup folder holding only a
# WhatsApp chat database (the real one's schema) with CHATS chats (one in four
# a group of five), one message in five with a media item, one in fifty a
# reply. Prints the database.
make_whatsapp_backup() {
  local chat_id=7c7fba66680ef796b916b067077cc246adacf01d
  local db="$1/${chat_id:0:2}/$chat_id" chats=$3
  mkdir -p "$(dirname "$db")"
  add_manifest "$1" "$chat_id" AppDomainGroup-group.net.whatsapp.WhatsApp.shared ChatStorage.sqlite
  local schema
  schema=$(mktemp)
  sqlite3 "file:$bench_dir/../tests/data/real/whatsapp/ChatStorage-ios15.sqlite?immutable=1" .schema > "$schema"
  sqlite3 "$db" <<SQL
.read $schema
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $chats)
INSERT INTO ZWACHATSESSION (Z_PK, Z_ENT, Z_OPT, ZARCHIVED, ZHIDDEN, ZSESSIONTYPE, ZCONTACTJID, ZPARTNERNAME)
  SELECT i, 3, 1, 0, 0, CASE WHEN i % 4 = 0 THEN 1 ELSE 0 END,
    CASE WHEN i % 4 = 0 THEN printf('1203630%011d@g.us', i) ELSE printf('1555%07d@s.whatsapp.net', i) END,
    'Chat partner ' || i FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $chats / 4 * 5)
INSERT INTO ZWAGROUPMEMBER (Z_PK, Z_ENT, Z_OPT, ZCHATSESSION, ZMEMBERJID)
  SELECT i, 7, 1, ((i - 1) / 5 + 1) * 4, printf('1555%07d@s.whatsapp.net', i) FROM n;
INSERT INTO ZWAPROFILEPUSHNAME (Z_PK, Z_ENT, Z_OPT, ZJID, ZPUSHNAME)
  SELECT Z_PK, 13, 1, ZMEMBERJID, 'Member ' || Z_PK FROM ZWAGROUPMEMBER;
WITH RECURSIVE m(i) AS (SELECT 5 UNION ALL SELECT i + 5 FROM m WHERE i + 5 <= $2)
INSERT INTO ZWAMEDIAITEM (Z_PK, Z_ENT, Z_OPT, ZFILESIZE, ZMEDIALOCALPATH, ZXMPPTHUMBPATH, ZMETADATA)
  SELECT i / 5, 9, 1, 1000 + i, printf('Media/%d/a/b/%d.jpg', i % $chats, i),
    printf('Media/%d/a/b/%d.thumb', i % $chats, i),
    CASE WHEN i % 50 = 0 THEN CAST('*' || char(20) || printf('3A%018d', i - 1) || ' quoted sender 1555@s.whatsapp.net' AS BLOB) END
  FROM m;
WITH RECURSIVE m(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM m WHERE i < $2)
INSERT INTO ZWAMESSAGE (Z_PK, Z_ENT, Z_OPT, ZMESSAGETYPE, ZGROUPEVENTTYPE, ZISFROMME, ZMESSAGESTATUS, ZCHATSESSION,
    ZGROUPMEMBER, ZMEDIAITEM, ZMESSAGEDATE, ZFROMJID, ZSTANZAID, ZTEXT)
  SELECT i, 11, 1, CASE WHEN i % 5 = 0 AND i % 50 THEN 1 ELSE 0 END, 0, i % 2, 8, i % $chats + 1,
    CASE WHEN (i % $chats + 1) % 4 = 0 THEN ((i % $chats + 1) / 4 - 1) * 5 + i % 5 + 1 END,
    CASE WHEN i % 5 = 0 THEN i / 5 END, 700000000 + i, printf('1555%07d@s.whatsapp.net', i % $chats + 1),
    printf('3A%018d', i), 'Message number ' || i || ', a little longer than most texts are' FROM m;
COMMIT;
SQL
  rm -f "$schema"
  echo "$db"
}
