#!/usr/bin/env bash
# The LINE scan against sqlite3 running the same five statements and one
# pass over the file list (the attachment look-ups must cost no more than
# reading the list once), on a small file list and on one of 500,000 rows;
# and the scan's peak memory as the message count grows: bench/line.sh BUILD_DIR
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

# make_backup FOLDER MESSAGES [OTHER_FILES]: 100 groups of five, 2,000 users
# with a chat each, one message in ten an image whose file and thumbnail the
# file list holds (the lookups read only the file list, so the files stay
# out). OTHER_FILES rows of other apps come first in the list: camera-roll
# photos with their thumbnails, caches named by hashes, folders of UUIDs.
make_backup() {
  local dir=$1 messages=$2 others=${3:-0}
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
WITH RECURSIVE n(i) AS (SELECT 1 WHERE $others > 0 UNION ALL SELECT i + 1 FROM n WHERE i < $others)
INSERT INTO Files SELECT printf('%08x%08x%08x%08x%08x', i, (i * 2654435761) % 4294967296, (i * 40503) % 4294967296,
    (i * 2246822519) % 4294967296, (i * 3266489917) % 4294967296),
  CASE i % 4 WHEN 2 THEN 'AppDomain-com.example.app' || (i % 50) WHEN 3 THEN 'HomeDomain' ELSE 'CameraRollDomain' END,
  CASE i % 4
    WHEN 0 THEN printf('Media/DCIM/%dAPPLE/IMG_%04d.HEIC', 100 + i / 4000, i / 4 % 10000)
    WHEN 1 THEN printf('Media/PhotoData/Thumbnails/V2/DCIM/%dAPPLE/IMG_%04d.HEIC/5005.JPG', 100 + i / 4000, i / 4 % 10000)
    WHEN 2 THEN printf('Library/Caches/com.example.app%d/ImageCache/%08x%08x%08x%08x%08x.png', i % 50,
      (i * 2654435761) % 4294967296, (i * 2246822519) % 4294967296, (i * 3266489917) % 4294967296,
      (i * 668265263) % 4294967296, (i * 374761393) % 4294967296)
    ELSE printf('Library/Application Support/%08X-%04X-%04X-%04X-%012X/item-%d.plist', (i * 2654435761) % 4294967296,
      (i * 40503) % 65536, (i * 2246822519) % 65536, (i * 3266489917) % 65536, (i * 668265263) % 281474976710656, i) END,
  CASE WHEN i % 97 = 0 THEN 2 ELSE 1 END, NULL FROM n;
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

reference() {
  sqlite3 "$1/${group_id:0:2}/$group_id" "$group_statements"
  sqlite3 "$1/${chat_id:0:2}/$chat_id" "$chat_statements"
  sqlite3 "$1/Manifest.db" "SELECT fileID, domain, relativePath, flags FROM Files"
}

mkdir -p "$work/small" "$work/large" "$work/files" "$work/out"
make_backup "$work/small" 10000
make_backup "$work/large" 100000
make_backup "$work/files" 100000 479998

# A fraction of a second each: the two take turns, five times, so that a
# slow moment of the machine does not fall on one side only.
for backup in large files; do
  rows=$(sqlite3 "$work/$backup/Manifest.db" "SELECT count(*) FROM Files")
  ours=
  theirs=
  for _ in 1 2 3 4 5; do
    ours=$(awk -v a="$ours" -v b="$(best_of 1 "$build/bin/vardex-scan" --count --mask 0x40000 --backup "$work/$backup" \
      --out "$work/out")" 'BEGIN { print (a == "" || b < a) ? b : a }')
    theirs=$(awk -v a="$theirs" -v b="$(best_of 1 reference "$work/$backup")" 'BEGIN { print (a == "" || b < a) ? b : a }')
  done
  report "line 100,000 messages, $rows files" "$ours" "$theirs" 1.5
done

memory_growth "line" "10,000 messages" "100,000 messages" 0x40000 "$work/small" "$work/large" "$work/out"
