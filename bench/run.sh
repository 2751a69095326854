#!/usr/bin/env bash
# Runs every benchmark: bench/run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
for bench in "$here"/*.sh; do
  [ "$(basename "$bench")" = run.sh ] || [ "$(basename "$bench")" = common.sh ] && continue
  bash "$bench" "$build"
done
