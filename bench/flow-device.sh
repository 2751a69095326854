#!/usr/bin/env bash
# The device flow from Start Scan to the hand-off to the scan, through the
# window, against quenrow-devicebackup backing the same simulated phone up,
# and the window's longest stall meanwhile, under a virtual display.
# bench/flow-device.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/flowdevice.py" "$1"
