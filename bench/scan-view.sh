#!/usr/bin/env bash
# A scan of a million messages through the window, from "Start Scan" to the
# result box, against quenrow-store-dump --count on the same backup (best of
# 3 each); the GUI thread's longest stall and the window's peak memory
# against the dump's: bench/scan-view.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/backup"
make_sms_backup "$work/backup" 1000000 > /dev/null
/usr/bin/python3 "$here/scanview.py" "$build" "$work/backup"
