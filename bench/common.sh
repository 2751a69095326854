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

# make_sms_backup FOLDER MESSAGES: a backup folder holding only a messages
# database, with 2,000 handles with a chat each, 100 group chats of five, one
# message in ten in a group, one in a hundred deleted. Prints the database.
make_sms_backup() {
  local sms_id=3d0d7e5fb2ce288813306e4d4636395e047a3d28
  local db="$1/${sms_id:0:2}/$sms_id"
  mkdir -p "$(dirname "$db")"
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
