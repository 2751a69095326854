#!/usr/bin/env bash
# The Messages export against sqlite3 writing the same messages' text, date,
# from-me, handle and service as CSV, and the export's memory above the
# store's: bench/export-messages.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

messages=1000000
mkdir -p "$work/backup" "$work/out"
db=$(make_sms_backup "$work/backup" "$messages")

export_seconds() {
  rm -rf "$work/out" && mkdir -p "$work/out"
  "$build/bin/quenrow-export" --backup "$work/backup" --categories 2 --out "$work/out" |
    python3 -c 'import json, sys; print(json.loads(sys.stdin.readlines()[-1])["seconds"])'
}

csv_of_messages() {
  sqlite3 -csv "$db" "SELECT m.text, m.date, m.is_from_me, h.id, m.service FROM message AS m
    LEFT JOIN handle AS h ON h.ROWID = m.handle_id" > "$work/messages.csv"
}

ours=
for _ in 1 2 3; do
  t=$(export_seconds)
  ours=$(awk -v a="$t" -v b="$ours" 'BEGIN { print (b == "" || a < b) ? a : b }')
done
reference=$(best_of 3 csv_of_messages)
awk -v a="$ours" -v b="$reference" 'BEGIN { r = a / b;
  printf "export messages 1,000,000: quenrow-export %.3f s, sqlite3 -csv %.3f s, ratio %.2f (target <= 2) %s\n",
    a, b, r, (r <= 2 ? "ok" : "SLOW") }'

rm -rf "$work/out" && mkdir -p "$work/out"
exported=$(peak_kib "$build/bin/quenrow-export" --backup "$work/backup" --categories 2 --out "$work/out")
stored=$(peak_kib "$build/bin/quenrow-store-dump" --count --backup "$work/backup" --categories 2 --out "$work/out")
awk -v e="$exported" -v s="$stored" -v n="$messages" 'BEGIN { b = (e - s) * 1024 / n;
  printf "export messages peak memory: %d KiB, store %d KiB, %.0f bytes per message above the store (target <= 128) %s\n",
    e, s, b, (b <= 128 ? "ok" : "LARGE") }'
