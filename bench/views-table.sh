#!/usr/bin/env bash
# The call table of the main program on a store of a million calls, drawn
# offscreen: setting the list, a search, showing deleted records only,
# ticking every shown row and sorting by date, each against a plain loop
# doing the same over the same records (or std::stable_sort of the same
# list) in the same run; and the view's memory per call above the store.
# bench/views-table.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" HOME="$work" \
  "$build/bin/quenrow-views-bench" 1000000 2> "$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
