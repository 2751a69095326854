#!/usr/bin/env bash
# The LINE scan against sqlite3 running the same five statements and the
# attachment lookups the scan makes, and the scan's peak memory as the
# message count grows: bench/line.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
group_id=b114ff9aff5c07711fa4049e57af4fdadb27cc92
chat_id=17d16daa8bcac5625d2c72ba3e644336b72a0fe4
domain=AppDomainGroup-group.com.linecorp.line
folder="Library/Application Support/PrivateStore/P_u0f1e2d3c4b5a69788796a5b4c3d2e1f0"

group_statements="$(statement LineGroups); $(statement LineGroupMembers)"
chat_statements="$(statement LineUsers); $(statement LineChats); $(statement LineMessages)"

# make_backup FOLDER MESSAGES: 100 groups of five, 2,000 users with a chat
# each, one message in ten an image whose file and thumbnail the file list
# holds (the lookups read only the file list, so the files stay out).
make_backup() {
  local dir=$1 messages=$2
  mkdir -p "$dir/${group_id:0:2}" "$dir/${chat_id:0:2}"
  sqlite3 "$dir/${group_id:0:2}/$group_id" <<SQL
.read $here/../tests/support/sql/line-group.sql
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100)
INSERT INTO ZUNIFIEDGROUP (Z_PK, Z_ENT, Z_OPT, ZID, ZNAME, ZPICTURESTATUS)
  SELECT i, 1, 1, printf('c%031x', i), 'Group ' || i, NULL FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500)
INSERT INTO ZUNIFIEDGROUPUSER (Z_PK, Z_ENT, Z_OPT, ZMID) SELECT i, 2, 1, printf('u%031x', i) FROM n;
INSERT INTO Z_1MEMBERCHATUSERS SELECT (Z_PK - 1) % 100 + 1, Z_PK FROM ZUNIFIEDGROUPUSER;
COMMIT;
SQL
  sqlite3 "$dir/${chat_id:0:2}/$chat_id" <<SQL
.read $here/../tests/support/sql/line-chat.sql
BEGIN;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
INSERT INTO ZUSER (Z_PK, Z_ENT, Z_OPT, ZMID, ZNAME, ZSTATUSMESSAGE, ZPICTUREURL, ZCREATEDTIME)
  SELECT i, 5, 1, printf('u%031x', i), 'User ' || i, 'Status of user ' || i, NULL, 1500000000000 + i FROM n;
INSERT INTO ZCHAT (Z_PK, Z_ENT, Z_OPT, ZTYPE, ZMID) SELECT Z_PK, 2, 1, 0, ZMID FROM ZUSER;
INSERT INTO ZCHAT (Z_PK, Z_ENT, Z_OPT, ZTYPE, ZMID)
  SELECT 2000 + i, 2, 1, 1, printf('c%031x', i) FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) SELECT i FROM n);
WITH RECURSIVE m(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM m WHERE i < $messages)
INSERT INTO ZMESSAGE (Z_PK, Z_ENT, Z_OPT, ZCHAT, ZCONTENTTYPE, ZSENDER, ZSENDSTATUS, ZTIMESTAMP, ZLATITUDE, ZLONGITUDE,
    ZID, ZTEXT, ZCONTENTMETADATA)
  SELECT i, 3, 1, CASE WHEN i % 7 = 0 THEN 2000 + i % 100 + 1 ELSE i % 2000 + 1 END, CASE WHEN i % 10 = 0 THEN 1 ELSE 0 END,
    i % 2000 + 1, 1, 1600000000000 + i * 1000, NULL, NULL, printf('%d', 16000000000000 + i),
    CASE WHEN i % 10 = 0 THEN NULL ELSE 'Message number ' || i || ', a little longer than most texts are' END, NULL
  FROM m;
COMMIT;
SQL
  sqlite3 "$dir/Manifest.db" <<SQL
CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, flags INTEGER, file BLOB);
CREATE INDEX FilesDomainIdx ON Files(domain);
CREATE INDEX FilesRelativePathIdx ON Files(relativePath);
CREATE INDEX FilesFlagsIdx ON Files(flags);
BEGIN;
INSERT INTO Files VALUES ('$group_id', '$domain', '$folder/Messages/UnifiedGroup.sqlite', 1, NULL);
INSERT INTO Files VALUES ('$chat_id', '$domain', '$folder/Messages/Line.sqlite', 1, NULL);
WITH RECURSIVE m(i) AS (SELECT 10 UNION ALL SELECT i + 10 FROM m WHERE i + 10 <= $messages)
INSERT INTO Files SELECT printf('%040x', i), '$domain',
    printf('$folder/Message Attachments/u%031x/%d.jpg', i % 2000 + 1, 16000000000000 + i), 1, NULL FROM m;
WITH RECURSIVE m(i) AS (SELECT 10 UNION ALL SELECT i + 10 FROM m WHERE i + 10 <= $messages)
INSERT INTO Files SELECT printf('%039x1', i), '$domain',
    printf('$folder/Message Thumbnails/u%031x/%d.thumb', i % 2000 + 1, 16000000000000 + i), 1, NULL FROM m;
COMMIT;
SQL
}

# The two lookups the scan makes for each image, as the engine words them.
lookups() {
  local messages=$1
  for ((i = 10; i <= messages; i += 10)); do
    local id=$((16000000000000 + i))
    echo "SELECT fileID, relativePath FROM Files WHERE relativePath LIKE '%$id%' ESCAPE '\\' AND relativePath NOT LIKE '%Thumbnails%' AND flags = 1;"
    echo "SELECT fileID, relativePath FROM Files WHERE relativePath LIKE '%$id%' ESCAPE '\\' AND relativePath LIKE '%thumb%' AND flags = 1;"
  done
}

reference() {
  sqlite3 "$1/${group_id:0:2}/$group_id" "$group_statements"
  sqlite3 "$1/${chat_id:0:2}/$chat_id" "$chat_statements"
  sqlite3 "$1/Manifest.db" < "$2"
}

mkdir -p "$work/small" "$work/large" "$work/out"
make_backup "$work/small" 10000
make_backup "$work/large" 100000
lookups 100000 > "$work/lookups.sql"

ours=$(best_of 1 "$build/bin/vardex-scan" --count --mask 0x40000 --backup "$work/large" --out "$work/out")
theirs=$(best_of 1 reference "$work/large" "$work/lookups.sql")
report "line 100,000 messages" "$ours" "$theirs" 1.5

memory_growth "line" "10,000 messages" "100,000 messages" 0x40000 "$work/small" "$work/large" "$work/out"
