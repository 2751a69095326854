#!/usr/bin/env bash
# The messages scan into the record store against the bare engine scan, and
# the store's memory per message: bench/store.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/small" "$work/large" "$work/out"
make_sms_backup "$work/small" 100000 > /dev/null
make_sms_backup "$work/large" 1000000 > /dev/null

scan() { "$build/bin/$1" --count --mask 0x4 --backup "$2" --out "$work/out"; }
ours=$(best_of 3 scan quenrow-store-dump "$work/large")
reference=$(best_of 3 scan vardex-scan "$work/large")
awk -v a="$ours" -v b="$reference" 'BEGIN { r = a / b
  printf "store 1,000,000 messages: quenrow-store-dump %.3f s, vardex-scan %.3f s, ratio %.2f (target <= 2.5) %s\n",
    a, b, r, (r <= 2.5 ? "ok" : "SLOW") }'

small_kib=$(peak_kib "$build/bin/quenrow-store-dump" --count --mask 0x4 --backup "$work/small" --out "$work/out")
large_kib=$(peak_kib "$build/bin/quenrow-store-dump" --count --mask 0x4 --backup "$work/large" --out "$work/out")
awk -v s="$small_kib" -v l="$large_kib" 'BEGIN { per = (l - s) * 1024 / 900000
  printf "store peak memory: 100,000 messages %d KiB, 1,000,000 messages %d KiB, %.0f bytes per added message (target <= 512) %s\n",
    s, l, per, (per <= 512 ? "ok" : "LARGE") }'
