#!/usr/bin/env bash
# The segmented download of a 64 MiB file from the loopback server, which
# trickles every connection at the same pace, against one plain
# QNetworkAccessManager GET of the same file in the same run; and the
# segmented download's peak memory above its start (the parts stream to
# disk). bench/segmented-download.sh BUILD_DIR
set -euo pipefail
build=$1
program="$build/bin/quenrow-download-bench"
work=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# 32 KiB every 2 ms per connection: about 16 MiB/s each.
mkfifo "$work/keep"
"$program" serve 64 32768 2 < "$work/keep" > "$work/address" &
server=$!
exec 3> "$work/keep"
for _ in $(seq 100); do
  [ -s "$work/address" ] && break
  sleep 0.1
done
url=$(head -n 1 "$work/address")
[ -n "$url" ] || { echo "segmented download: the server did not start" >&2; exit 1; }

no_proxy=127.0.0.1 "$program" plain "$url" "$work/plain.bin" > "$work/plain.json"
no_proxy=127.0.0.1 "$program" segmented "$url" "$work/segmented.bin" > "$work/segmented.json"
exec 3>&-
cmp -s "$work/plain.bin" "$work/segmented.bin" || { echo "segmented download: the files differ" >&2; exit 1; }

python3 - "$work/plain.json" "$work/segmented.json" "$(stat -c %s "$work/segmented.bin")" <<'PY'
import json, sys
plain, segmented = (json.load(open(path)) for path in sys.argv[1:3])
size = int(sys.argv[3])
if not (plain["ok"] and segmented["ok"]) or size != 64 * 1024 * 1024:
    sys.exit("segmented download: a download failed (%s, %s, %d bytes)" % (plain, segmented, size))
speedup = plain["ms"] / segmented["ms"]
memory = segmented["peakAboveStartKib"] / 1024
print("segmented download: four parts %d ms, one plain GET %d ms, %.2f times as fast (target >= 1.5) %s"
      % (segmented["ms"], plain["ms"], speedup, "ok" if speedup >= 1.5 else "SLOW"))
print("segmented download: peak memory %.1f MiB above the start (plain GET %.1f MiB; target < 8) %s"
      % (memory, plain["peakAboveStartKib"] / 1024, "ok" if memory < 8 else "LARGE"))
PY
