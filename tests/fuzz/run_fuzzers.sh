#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build for SECONDS each, starting
# from the seed corpus. New inputs go to BUILD/fuzz/<target>/corpus (the
# seeds stay as they are); a crash leaves its input in BUILD/fuzz/<target>/
# and fails the run after all targets have had their turn.
# Usage: run_fuzzers.sh BUILD SECONDS
set -uo pipefail
build=$(cd "$1" && pwd)   # absolute: a target may change its working folder
seconds=$2
seeds="$(cd "$(dirname "$0")" && pwd)/corpus"
shopt -s nullglob
programs=("$build"/bin/fuzz_*)
if [ ${#programs[@]} -eq 0 ]; then
    echo "no fuzz programs in $build/bin"
    exit 1
fi
failed=()
for program in "${programs[@]}"; do
    target=${program##*/fuzz_}
    work="$build/fuzz/$target"
    mkdir -p "$work/corpus"
    echo "== fuzz_$target for ${seconds} s"
    if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$work/" "$work/corpus" "$seeds/$target" >"$work/log" 2>&1; then
        failed+=("$target")
        tail -n 60 "$work/log"
    fi
    stats=$(grep -oE 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb): *[0-9]+' \
                "$work/log" | sed -E 's/stat::([a-z_]+): */\1=/' | tr '\n' ' ')
    echo "   $target: $stats"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that failed: ${failed[*]} (inputs in $build/fuzz/<target>/)"
    exit 1
fi
echo "all fuzz targets ran ${seconds} s without a finding"
