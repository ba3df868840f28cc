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
    grep -E '^(stat::number_of_executed_runs|stat::new_units_added)' "$work/log" | sed "s/^/   $target /"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that failed: ${failed[*]} (inputs in $build/fuzz/<target>/)"
    exit 1
fi
echo "all fuzz targets ran ${seconds} s without a finding"
