#!/usr/bin/env bash
# The manifest scan against sqlite3 reading the same table: bench/manifest.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/backup" "$work/out"
sqlite3 "$work/backup/Manifest.db" <<'SQL'
CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, flags INTEGER, file BLOB);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)
INSERT INTO Files SELECT printf('%040x', i * 2654435761), 'AppDomain-com.example.app' || (i % 50),
  'Library/Caches/folder' || (i % 1000) || '/file_' || i || '.dat', 1, NULL FROM n;
SQL

ours=$(best_of 3 "$build/bin/vardex-scan" --count --mask 0x1 --backup "$work/backup" --out "$work/out")
reference=$(best_of 3 sqlite3 "$work/backup/Manifest.db" "SELECT * FROM Files")
report "manifest 1,000,000 rows" "$ours" "$reference" 1.5
