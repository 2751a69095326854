#!/usr/bin/env bash
# The photo grid: 2,000 generated 4032 x 3024 JPEGs decoded to thumbnails by
# the process's ThumbnailLoader, until all are delivered to the GUI thread,
# against loadScaledImage called on each in turn in the same process; then a
# grid of 10,000 of them drawn offscreen and scrolled top to bottom a step
# every 16 ms, with the GUI thread's longest stall (a 5 ms heartbeat) and the
# memory it grew by.
# bench/media-view.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
bench=$build/bin/quenrow-media-bench
run() {
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" HOME="$work" "$bench" "$@" 2> "$work/stderr" \
    || { cat "$work/stderr" >&2; exit 1; }
}
run make "$work/photos" 2000 > /dev/null
loader=$(run loader "$work/photos")
scroll=$(run scroll "$work/photos" 10000)
value() { printf '%s\n' "$1" | awk -F= -v k="$2" '$1 == k { print $2 }'; }
awk -v photos="$(value "$loader" photos)" -v l="$(value "$loader" loader)" -v d="$(value "$loader" direct)" \
    -v failed="$(value "$loader" failed)" -v tiles="$(value "$scroll" tiles)" -v stall="$(value "$scroll" stall)" \
    -v growth="$(value "$scroll" growth)" 'BEGIN {
  r = l / d
  ok = (r <= 1.1 && stall <= 100 && growth <= 96 && failed == 0)
  printf "media view: %d photos, loader %.2f s, direct %.2f s, ratio %.2f (target <= 1.1); %d tiles, longest GUI stall %d ms (target <= 100), memory %.1f MiB %s\n",
    photos, l, d, r, tiles, stall, growth, (ok ? "ok" : "SLOW")
  if (failed != 0) printf "media view: %d decodes failed\n", failed
}'
