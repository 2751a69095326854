#!/usr/bin/env bash
# The call-history export (CSV, links.js, page) against sqlite3 writing the
# same five columns as CSV, and the export's memory per call above the store
# alone: bench/export-table.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_call_backup FOLDER CALLS: a backup holding only a call history, with
# 5,000 numbers and one call in three outgoing.
make_call_backup() {
  local id
  id=$(printf '%s' "HomeDomain-Library/CallHistoryDB/CallHistory.storedata" | sha1sum | cut -c1-40)
  mkdir -p "$1/${id:0:2}"
  local db="$1/${id:0:2}/$id"
  add_manifest "$1" "$id" HomeDomain Library/CallHistoryDB/CallHistory.storedata
  python3 - "$db" "$2" "$bench_dir/../tests/support/systemschemas.h" <<'PY'
import re, sqlite3, sys
db, calls, header = sys.argv[1], int(sys.argv[2]), open(sys.argv[3]).read()
block = re.search(r'CallHistorySchema =\s*((?:"(?:[^"\\]|\\.)*"\s*)+);', header).group(1)
schema = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', block))
con = sqlite3.connect(db)
con.executescript(schema)
con.execute("BEGIN")
con.executemany(
    "INSERT INTO ZCALLRECORD (Z_PK, ZANSWERED, ZCALLTYPE, ZDISCONNECTED_CAUSE, ZORIGINATED, ZDATE, ZDURATION,"
    " ZADDRESS, ZNAME, ZSERVICE_PROVIDER, ZISO_COUNTRY_CODE) VALUES (?, 1, 1, 0, ?, ?, ?, ?, ?,"
    " 'com.apple.Telephony', 'us')",
    ((i, int(i % 3 == 0), 600000000 + i * 60, i % 3600, "+1555%07d" % (i % 5000), "Caller %d" % (i % 5000))
     for i in range(1, calls + 1)))
con.commit()
PY
  echo "$db"
}

db=$(make_call_backup "$work/large" 1000000)

export_seconds() {
  rm -rf "$work/out" && mkdir -p "$work/out"
  "$build/bin/quenrow-export" --backup "$work/large" --categories 1024 --out "$work/out" |
    python3 -c 'import json, sys; print(json.loads(sys.stdin.readlines()[-1])["seconds"])'
}
sqlite_csv() {
  sqlite3 -csv "$db" "SELECT ZNAME, ZADDRESS, ZDATE, ZORIGINATED, ZDURATION FROM ZCALLRECORD;" > "$work/calls.csv"
}

ours=
for _ in 1 2 3; do
  t=$(export_seconds)
  ours=$(awk -v a="$t" -v b="$ours" 'BEGIN { print (b == "" || a < b) ? a : b }')
done
reference=$(best_of 3 sqlite_csv)
awk -v a="$ours" -v b="$reference" 'BEGIN { r = a / b;
  printf "export 1,000,000 calls: quenrow-export %.3f s, sqlite3 -csv %.3f s, ratio %.2f (target <= 2.5) %s\n",
    a, b, r, (r <= 2.5 ? "ok" : "SLOW") }'

rm -rf "$work/out" && mkdir -p "$work/out"
store_kib=$(peak_kib "$build/bin/quenrow-store-dump" --count --categories 1024 --backup "$work/large" --out "$work/out")
rm -rf "$work/out" && mkdir -p "$work/out"
export_kib=$(peak_kib "$build/bin/quenrow-export" --backup "$work/large" --categories 1024 --out "$work/out")
awk -v s="$store_kib" -v e="$export_kib" 'BEGIN { per = (e - s) * 1024 / 1000000;
  printf "export peak memory: store %d KiB, export %d KiB, %.0f bytes per call above the store (target <= 256) %s\n",
    s, e, per, (per <= 256 ? "ok" : "LARGE") }'
