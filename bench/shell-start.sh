#!/usr/bin/env bash
# The main window's start and its GUI thread's longest stall, against an
# empty QMainWindow started the same way, under a virtual display.
# bench/shell-start.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/shellstart.py" "$1"
