#!/usr/bin/env bash
# fuzz/run.sh BUILD_DIR SECONDS JOBS: runs every fuzz target of BUILD_DIR for
# SECONDS, JOBS at a time, and prints one line per target: executions,
# coverage, result. A crash, leak, timeout (over 2 s for one input, also
# when run alone) or out-of-memory (over 2 GiB) fails the run; the log then
# names the input and gives it in base64. What a run finds stays in
# BUILD_DIR/fuzz/runs/.
set -euo pipefail

build=$(cd "$1" && pwd)
seconds=$2
jobs=$3
source_dir=$(cd "$(dirname "$0")/.." && pwd)
runs=$build/fuzz/runs
mkdir -p "$runs"

# fuzz_env DIR COMMAND...: runs the command in the target's own folders and
# environment, nothing of this machine's or user's reached.
fuzz_env() {
    local dir=$1
    shift
    env HOME="$dir/home" TMPDIR="$dir/tmp" XDG_CONFIG_HOME="$dir/home/config" XDG_DATA_HOME="$dir/home/data" \
        XDG_CACHE_HOME="$dir/home/cache" XDG_RUNTIME_DIR="$dir/tmp" \
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.debug=false;*.warning=false" TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        no_proxy=127.0.0.1,localhost QUENROW_ANALYTICS_URL=http://127.0.0.1:9/analytics \
        QUENROW_LINE_PICTURE_URL=http://127.0.0.1:9 USBMUXD_SOCKET_ADDRESS="UNIX:$dir/tmp/no-usbmuxd" \
        ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0 \
        LSAN_OPTIONS="suppressions=$source_dir/tests/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$@"
}

# A timeout is measured on the wall clock: on a machine busy with other work
# an input may miss the limit only because it waited for a core. Such an
# input, run alone, ends in time in one of three tries; one that never does
# is a finding.
slow_by_itself() {
    local dir=$1 target=$2 input=$3
    for _ in 1 2 3; do
        fuzz_env "$dir" "$build/bin/fuzz_$target" -timeout=2 -rss_limit_mb=2048 -malloc_limit_mb=2048 \
            "$input" >>"$dir/replays" 2>&1 && return 1
    done
    return 0
}

run_one() {
    local target=$1
    local dir=$runs/$target
    rm -rf "$dir/artifacts" "$dir/replayed" "$dir/tmp" "$dir/home" "$dir/log" "$dir/part" "$dir/replays"
    mkdir -p "$dir/corpus" "$dir/artifacts" "$dir/tmp" "$dir/home"
    local dict=()
    [ -f "$source_dir/fuzz/dict/$target.dict" ] && dict=("-dict=$source_dir/fuzz/dict/$target.dict")
    local status=0 started left
    started=$(date +%s)
    left=$seconds
    while :; do
        status=0
        fuzz_env "$dir" "$build/bin/fuzz_$target" -max_total_time="$left" -timeout=2 -rss_limit_mb=2048 \
            -malloc_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "${dict[@]}" \
            "$dir/corpus" "$build/fuzz/seeds/$target" >"$dir/part" 2>&1 || status=$?
        cat "$dir/part" >>"$dir/log"
        local input
        input=$(ls "$dir"/artifacts/timeout-* 2>/dev/null | head -n 1 || true)
        [ "$status" != 0 ] && [ -n "$input" ] && ! slow_by_itself "$dir" "$target" "$input" || break
        echo "fuzz_$target: $(basename "$input") ends in time when run alone; fuzzing goes on" >>"$dir/log"
        mkdir -p "$dir/replayed"
        mv "$input" "$dir/replayed/"
        left=$((seconds - ($(date +%s) - started)))
        [ "$left" -gt 0 ] || { status=0; break; }
    done
    echo "$status" >"$dir/status"
    echo $(($(date +%s) - started)) >"$dir/seconds"
}
export -f fuzz_env slow_by_itself run_one
export runs source_dir build seconds

xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} <"$build/fuzz/targets.txt"

failed=0
while read -r target; do
    dir=$runs/$target
    log=$dir/log
    status=$(cat "$dir/status" 2>/dev/null || echo 1)
    # A target that fails on its first input prints none of these.
    # A run resumed after an input that ended in time alone logs several parts.
    execs=$(awk '/^stat::number_of_executed_units:/ { n += $2; seen = 1 } END { if (seen) print n }' "$log" 2>/dev/null || true)
    rate=""
    [ -n "$execs" ] && rate=$((execs / $(cat "$dir/seconds" 2>/dev/null | awk '{ print ($1 > 0 ? $1 : 1) }')))
    cov=$( (grep -o 'cov: [0-9]*' "$log" 2>/dev/null || true) | tail -1 | cut -d' ' -f2)
    result=ok
    if [ "$status" != 0 ]; then
        failed=1
        # What ended the last part of the run.
        if grep -q 'ERROR: libFuzzer: timeout' "$dir/part"; then result=timeout
        elif grep -q 'out-of-memory' "$dir/part"; then result=out-of-memory
        elif grep -q 'LeakSanitizer' "$dir/part"; then result=leak
        else result=crash
        fi
    elif [ -z "$execs" ] || [ "$execs" = 0 ]; then
        failed=1
        result="no executions"
    elif [ -d "$dir/replayed" ]; then
        result="ok ($(ls "$dir/replayed" | wc -l) slow only while the machine was busy)"
    fi
    printf 'fuzz %-12s %10s executions  %6s/s  coverage %6s  %s\n' "$target" "${execs:-0}" \
        "${rate:-0}" "${cov:-0}" "$result"
    if [ "$status" != 0 ] || [ "$result" = "no executions" ]; then
        echo "---- fuzz_$target: $result; its log ($log) ends:"
        tail -n 60 "$log" | sed 's/^/    /'
        for input in "$dir"/artifacts/*; do
            [ -f "$input" ] || continue
            echo "---- input $input, base64:"
            base64 -w 0 "$input"
            echo
        done
    fi
done <"$build/fuzz/targets.txt"
exit $failed
