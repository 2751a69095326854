#!/usr/bin/env bash
# Decrypting a 1 GiB encrypted backup against openssl decrypting the same
# bytes as one file, its peak memory, and how fast a wrong password is
# refused at a device-strength iteration count: bench/decrypt.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_plain FOLDER: three files of 320 MiB and 5,000 small ones, about 1 GiB.
make_plain() {
  python3 - "$1" <<'PY'
import hashlib, os, sqlite3, sys
folder = sys.argv[1]
os.makedirs(folder)
db = sqlite3.connect(os.path.join(folder, "Manifest.db"))
db.execute("CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, flags INTEGER, file BLOB)")
db.execute("CREATE TABLE Properties (key TEXT PRIMARY KEY, value BLOB)")
def add(path, size):
    file_id = hashlib.sha1(("HomeDomain-" + path).encode()).hexdigest()
    os.makedirs(os.path.join(folder, file_id[:2]), exist_ok=True)
    with open(os.path.join(folder, file_id[:2], file_id), "wb") as out:
        chunk = os.urandom(min(size, 1 << 20))
        left = size
        while left > 0:
            out.write(chunk[:left])
            left -= len(chunk)
    db.execute("INSERT INTO Files VALUES (?, 'HomeDomain', ?, 1, NULL)", (file_id, path))
for i in range(3):
    add("Media/big%d.mov" % i, 320 << 20)
for i in range(5000):
    add("Library/small/%d" % i, 1000 + (i * 37) % 9000)
db.commit()
PY
  printf '<plist><dict/></plist>' > "$1/Info.plist"
  printf '<plist><dict/></plist>' > "$1/Status.plist"
  printf '<?xml version="1.0"?><plist version="1.0"><dict><key>IsEncrypted</key><false/></dict></plist>' \
    > "$1/Manifest.plist"
}

make_plain "$work/plain"
"$build/bin/backup-encrypt" "$work/plain" "$work/encrypted" secret

# The reference: the same bytes as one file, one key.
key=$(openssl rand -hex 32)
iv=00000000000000000000000000000000
find "$work/plain" -path '*/??/*' -type f -print0 | sort -z | xargs -0 cat |
  openssl enc -aes-256-cbc -K "$key" -iv "$iv" -out "$work/one.bin"

# best_of_fresh N PATH COMMAND...: best_of, with PATH removed before each run
# (outside the timing), since both sides write their result to disk.
best_of_fresh() {
  local runs=$1 path=$2 best=; shift 2
  for _ in $(seq "$runs"); do
    rm -rf "$path"
    best=$(awk -v t="$(best_of 1 "$@")" -v b="$best" 'BEGIN { print (b == "" || t < b) ? t : b }')
  done
  echo "$best"
}
ours=$(best_of_fresh 3 "$work/out" "$build/bin/volsark-decrypt" --backup "$work/encrypted" --out "$work/out" \
  --password secret)
reference=$(best_of_fresh 3 "$work/one.out" openssl enc -d -aes-256-cbc -K "$key" -iv "$iv" -in "$work/one.bin" \
  -out "$work/one.out")
rm -f "$work/one.out"
awk -v a="$ours" -v b="$reference" 'BEGIN { r = a / b;
  printf "decrypt 1 GiB backup: volsark-decrypt %.3f s, openssl enc %.3f s, ratio %.2f (target <= 2.0) %s\n",
    a, b, r, (r <= 2.0 ? "ok" : "SLOW") }'

rm -rf "$work/out"
kib=$(peak_kib "$build/bin/volsark-decrypt" --backup "$work/encrypted" --out "$work/out" --password secret)
awk -v k="$kib" 'BEGIN { printf "decrypt peak memory: %d KiB (target < 65536) %s\n", k, (k < 65536 ? "ok" : "TOO MUCH") }'
rm -rf "$work/out" "$work/encrypted" "$work/one.bin"

# A wrong password costs about one derivation, not one per class key.
mkdir "$work/small"
printf 'one file' > "$work/small-file"
python3 - "$work/small" <<'PY'
import os, sqlite3, sys
folder = sys.argv[1]
db = sqlite3.connect(os.path.join(folder, "Manifest.db"))
db.execute("CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, flags INTEGER, file BLOB)")
db.commit()
for name in ("Info.plist", "Status.plist", "Manifest.plist"):
    with open(os.path.join(folder, name), "w") as out:
        out.write('<?xml version="1.0"?><plist version="1.0"><dict/></plist>')
PY
"$build/bin/backup-encrypt" "$work/small" "$work/strong" secret 10000000
derivation=$(best_of 1 openssl kdf -keylen 32 -kdfopt digest:SHA256 -kdfopt pass:wrong -kdfopt salt:0123456789abcdefghij \
  -kdfopt iter:10000000 PBKDF2)
refused=$(best_of 1 sh -c "'$build/bin/volsark-decrypt' --backup '$work/strong' --out '$work/strong-out' --password wrong 2>/dev/null; [ \$? = 1 ]")
awk -v a="$refused" -v d="$derivation" 'BEGIN { limit = 1.5 * d + 0.5;
  printf "wrong password at DPIC 10,000,000: %.3f s, one derivation %.3f s (target <= %.3f s) %s\n",
    a, d, limit, (a <= limit ? "ok" : "SLOW") }'
[ ! -e "$work/strong-out" ] || echo "wrong password left $work/strong-out behind"
