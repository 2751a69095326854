# Shared by the benchmarks. Each prints one line: what, both times, the ratio.

# best_of N COMMAND...: the shortest wall time of N runs, in seconds.
best_of() {
  local runs=$1; shift
  local best=
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
  done
  echo "$best"
}

# peak_kib COMMAND...: the peak resident memory of one run, in KiB.
peak_kib() {
  /usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -n 1
}

report() { # name ours reference target
  awk -v n="$1" -v a="$2" -v b="$3" -v t="$4" \
    'BEGIN { r = a / b; printf "%s: vardex-scan %.3f s, sqlite3 %.3f s, ratio %.2f (target <= %s) %s\n", n, a, b, r, t, (r <= t ? "ok" : "SLOW") }'
}

# statement NAME: a statement exactly as the engine's task builders hold it.
statement() {
  awk -v name="$1" '$0 ~ "const wchar_t \\*const " name " =" { getline; sub(/^ *L"/, ""); sub(/";$/, ""); print; exit }' \
    "$(dirname "${BASH_SOURCE[0]}")/../engine/src/dbaddtaskfunction.cpp"
}

# memory_growth NAME SMALL_LABEL LARGE_LABEL MASK SMALL_BACKUP LARGE_BACKUP OUT:
# the scan's peak memory on a small and a large backup.
memory_growth() {
  local small large
  small=$(peak_kib "$build/bin/vardex-scan" --count --mask "$4" --backup "$5" --out "$7")
  large=$(peak_kib "$build/bin/vardex-scan" --count --mask "$4" --backup "$6" --out "$7")
  awk -v n="$1" -v sl="$2" -v ll="$3" -v s="$small" -v l="$large" 'BEGIN {
    printf "%s peak memory: %s %d KiB, %s %d KiB, growth %.2f (target flat) %s\n",
      n, sl, s, ll, l, l / s, (l / s <= 1.5 ? "ok" : "GROWS") }'
}
