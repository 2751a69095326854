#!/usr/bin/env bash
# Scans into the record store against the bare engine scan, and the store's
# memory per message: messages, then WhatsApp chats. bench/store.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# compare NAME MASK CATEGORY SMALL_BACKUP SMALL_COUNT LARGE_BACKUP LARGE_COUNT RATIO_TARGET BYTES_TARGET:
# the engine's mask and the store's category id of the same data.
compare() {
  local name=$1 mask=$2 category=$3 small=$4 small_count=$5 large=$6 large_count=$7
  local ours reference small_kib large_kib
  ours=$(best_of 3 "$build/bin/quenrow-store-dump" --count --categories "$category" --backup "$large" --out "$work/out")
  reference=$(best_of 3 "$build/bin/vardex-scan" --count --mask "$mask" --backup "$large" --out "$work/out")
  awk -v n="$name" -v c="$large_count" -v a="$ours" -v b="$reference" -v t="$8" 'BEGIN { r = a / b
    printf "store %s %d messages: quenrow-store-dump %.3f s, vardex-scan %.3f s, ratio %.2f (target <= %s) %s\n",
      n, c, a, b, r, t, (r <= t ? "ok" : "SLOW") }'
  small_kib=$(peak_kib "$build/bin/quenrow-store-dump" --count --categories "$category" --backup "$small" --out "$work/out")
  large_kib=$(peak_kib "$build/bin/quenrow-store-dump" --count --categories "$category" --backup "$large" --out "$work/out")
  awk -v n="$name" -v sc="$small_count" -v lc="$large_count" -v s="$small_kib" -v l="$large_kib" -v t="$9" 'BEGIN {
    per = (l - s) * 1024 / (lc - sc)
    printf "store %s peak memory: %d messages %d KiB, %d messages %d KiB, %.0f bytes per added message (target <= %s) %s\n",
      n, sc, s, lc, l, per, t, (per <= t ? "ok" : "LARGE") }'
}

mkdir -p "$work/small" "$work/large" "$work/wa-small" "$work/wa-large" "$work/out"
make_sms_backup "$work/small" 100000 > /dev/null
make_sms_backup "$work/large" 1000000 > /dev/null
compare sms 0x4 2 "$work/small" 100000 "$work/large" 1000000 1.5 512

# 100 chats.
make_whatsapp_backup "$work/wa-small" 10000 100 > /dev/null
make_whatsapp_backup "$work/wa-large" 100000 100 > /dev/null
compare whatsapp 0x80000 131072 "$work/wa-small" 10000 "$work/wa-large" 100000 1.2 1024
