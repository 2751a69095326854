#!/usr/bin/env bash
# The iTunes flow's decryption through the window: from the password's
# "Decrypt" to the data-type page, against volsark-decrypt on the same
# encrypted backup of 2,000 files (best of 3 each), and the GUI thread's
# longest stall meanwhile (the shell's heartbeat): bench/flow-itunes.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/flowitunes.py" "$1"
