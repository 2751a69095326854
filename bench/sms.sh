#!/usr/bin/env bash
# The messages scan against sqlite3 running the same three statements, and
# the scan's peak memory as the message count grows: bench/sms.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The statements exactly as the engine holds them (the newer-iOS variant).
statement() {
  awk -v name="$1" '$0 ~ "const wchar_t \\*const " name " =" { getline; sub(/^ *L"/, ""); sub(/";$/, ""); print; exit }' \
    "$here/../engine/src/dbaddtaskfunction.cpp"
}
statements="$(statement SmsTextA) $(statement SmsAttachmentA) $(statement SmsMembers)"

mkdir -p "$work/small" "$work/large" "$work/out"
make_sms_backup "$work/small" 100000 > /dev/null
large_db=$(make_sms_backup "$work/large" 1000000)

ours=$(best_of 3 "$build/bin/vardex-scan" --count --mask 0x4 --backup "$work/large" --out "$work/out")
reference=$(best_of 3 sqlite3 "$large_db" "$statements")
report "sms 1,000,000 messages" "$ours" "$reference" 1.5

small_kib=$(peak_kib "$build/bin/vardex-scan" --count --mask 0x4 --backup "$work/small" --out "$work/out")
large_kib=$(peak_kib "$build/bin/vardex-scan" --count --mask 0x4 --backup "$work/large" --out "$work/out")
awk -v s="$small_kib" -v l="$large_kib" 'BEGIN {
  printf "sms peak memory: 100,000 messages %d KiB, 1,000,000 messages %d KiB, growth %.2f (target flat) %s\n",
    s, l, l / s, (l / s <= 1.5 ? "ok" : "GROWS") }'
