#!/usr/bin/env bash
# The WhatsApp view on one chat of a million messages, drawn offscreen:
# opening it and taking it to its last row against quenrow-store-dump reading
# the same backup; a search for a word a hundred-odd messages hold; the GUI
# thread's longest stall over both, and over a chat of pictures scrolled
# through the pane. bench/chat-whatsapp.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
mkdir -p "$work/backup" "$work/out"

make_whatsapp_backup "$work/backup" 1000000 1 > /dev/null

reference=$(best_of 3 "$build/bin/quenrow-store-dump" --count --categories 131072 --backup "$work/backup" \
  --out "$work/out")
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" HOME="$work" \
  "$build/bin/quenrow-chat-wa-bench" --backup "$work/backup" --out "$work/out" --keyword "number 4242" \
  --pictures 1000 > "$work/result" 2> "$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
read -r open search stall picture_stall pictures_time shown found < "$work/result"
awk -v a="$open" -v b="$reference" -v n="$shown" 'BEGIN { r = a / b;
  printf "chat whatsapp open and go to the end of %d: view %.3f s, quenrow-store-dump %.3f s, ratio %.2f (target <= 0.5) %s\n",
    n, a, b, r, (r <= 0.5 ? "ok" : "SLOW") }'
awk -v a="$search" -v f="$found" 'BEGIN { printf "chat whatsapp search (%d found): %.3f s\n", f, a }'
awk -v s="$stall" 'BEGIN { printf "chat whatsapp longest stall: %d ms (target <= 50) %s\n", s, (s <= 50 ? "ok" : "SLOW") }'
awk -v s="$picture_stall" -v t="$pictures_time" 'BEGIN {
  printf "chat whatsapp 1000 pictures scrolled in %.1f s, longest stall: %d ms (target <= 50) %s\n", t, s,
    (s <= 50 ? "ok" : "SLOW") }'
