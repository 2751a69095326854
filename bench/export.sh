#!/usr/bin/env bash
# The export of app files against cp copying the same files, and the export's
# peak memory as the file count grows: bench/export.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_app_backup FOLDER FILES TOTAL_BYTES: app files of four kinds, spread
# over a few apps, TOTAL_BYTES in all.
make_app_backup() {
  python3 - "$1" "$2" "$3" <<'PY'
import hashlib, os, sqlite3, sys
folder, count, total = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
size = total // count
os.makedirs(folder, exist_ok=True)
db = sqlite3.connect(os.path.join(folder, "Manifest.db"))
db.execute("CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, flags INTEGER, file BLOB)")
suffixes = ["jpg", "mp4", "m4a", "pdf"]
block = os.urandom(size)
rows = []
for i in range(count):
    domain = "AppDomain-com.example.app%d" % (i % 20)
    path = "Documents/folder%d/file_%d.%s" % (i % 100, i, suffixes[i % 4])
    file_id = hashlib.sha1(("%s-%s" % (domain, path)).encode()).hexdigest()
    os.makedirs(os.path.join(folder, file_id[:2]), exist_ok=True)
    with open(os.path.join(folder, file_id[:2], file_id), "wb") as out:
        out.write(block[i % 97:] + block[:i % 97])
    rows.append((file_id, domain, path, 1, None))
db.executemany("INSERT INTO Files VALUES (?, ?, ?, ?, ?)", rows)
db.commit()
PY
}

# export_seconds BACKUP: the "seconds" of one export into a fresh folder.
export_seconds() {
  rm -rf "$work/out" && mkdir -p "$work/out"
  "$build/bin/quenrow-export" --backup "$1" --categories 8192,16384,32768,65536 --out "$work/out" |
    python3 -c 'import json, sys; print(json.loads(sys.stdin.readlines()[-1])["seconds"])'
}

copy_all() {
  rm -rf "$work/copy" && mkdir -p "$work/copy"
  cp --reflink=never -r "$1"/?? "$work/copy/"
}

make_app_backup "$work/small" 2000 $((1024 * 1024 * 1024 / 10))
make_app_backup "$work/large" 20000 $((1024 * 1024 * 1024))

# Warm the cache, then the best of three of each.
export_seconds "$work/large" > /dev/null
copy_all "$work/large"
ours=
for _ in 1 2 3; do
  t=$(export_seconds "$work/large")
  ours=$(awk -v a="$t" -v b="$ours" 'BEGIN { print (b == "" || a < b) ? a : b }')
done
reference=$(best_of 3 copy_all "$work/large")
awk -v a="$ours" -v b="$reference" 'BEGIN { r = a / b;
  printf "export 20,000 app files (1 GiB): quenrow-export %.3f s, cp %.3f s, ratio %.2f (target <= 1.3) %s\n",
    a, b, r, (r <= 1.3 ? "ok" : "SLOW") }'

rm -rf "$work/out" "$work/copy" && mkdir -p "$work/out"
small_kib=$(peak_kib "$build/bin/quenrow-export" --backup "$work/small" --categories 8192,16384,32768,65536 --out "$work/out")
rm -rf "$work/out" && mkdir -p "$work/out"
large_kib=$(peak_kib "$build/bin/quenrow-export" --backup "$work/large" --categories 8192,16384,32768,65536 --out "$work/out")
awk -v s="$small_kib" -v l="$large_kib" 'BEGIN { per = (l - s) / 18000;
  printf "export peak memory: 2,000 files %d KiB, 20,000 files %d KiB, %.2f KiB per added file (target <= 4) %s\n",
    s, l, per, (per <= 4 ? "ok" : "GROWS") }'
