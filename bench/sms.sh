#!/usr/bin/env bash
# The messages scan against sqlite3 running the same three statements, and
# the scan's peak memory as the message count grows: bench/sms.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The statements of the newer-iOS variant.
statements="$(statement SmsTextA) $(statement SmsAttachmentA) $(statement SmsMembers)"

mkdir -p "$work/small" "$work/large" "$work/out"
make_sms_backup "$work/small" 100000 > /dev/null
large_db=$(make_sms_backup "$work/large" 1000000)

ours=$(best_of 3 "$build/bin/vardex-scan" --count --mask 0x4 --backup "$work/large" --out "$work/out")
reference=$(best_of 3 sqlite3 "$large_db" "$statements")
report "sms 1,000,000 messages" "$ours" "$reference" 1.5

memory_growth "sms" "100,000 messages" "1,000,000 messages" 0x4 "$work/small" "$work/large" "$work/out"
