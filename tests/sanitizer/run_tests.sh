#!/usr/bin/env bash
# Runs the test suite of a sanitizer build and fails on any sanitizer report,
# also one from a program a test starts and whose exit status it ignores.
# ASan and LeakSanitizer write their reports to BUILD/sanitizer-logs; UBSan
# (halting on the first report) writes to standard error, which CTest keeps
# for every test in its log.
# Usage: run_tests.sh BUILD [ctest arguments...]
set -uo pipefail
build=$(cd "$1" && pwd)
shift
logs="$build/sanitizer-logs"
rm -rf "$logs" && mkdir -p "$logs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:log_path=$logs/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
(cd "$build" && ctest --output-on-failure "$@")
status=$?

reports=$(find "$logs" -type f)
if [ -n "$reports" ]; then
    cat $reports
    echo "sanitizer reports above: $reports"
    status=1
fi
if grep -n -E 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer)' "$build/Testing/Temporary/LastTest.log"; then
    echo "sanitizer reports in $build/Testing/Temporary/LastTest.log"
    status=1
fi
exit $status
