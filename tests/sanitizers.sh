#!/usr/bin/env bash
# Builds everything with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer in a build dir of its own and runs the whole
# test suite there. Any sanitizer report, also one from a program that a test
# starts, fails the run. Usage: tests/sanitizers.sh [build dir, default
# build-asan].
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DQUILLORA_SANITIZE=ON "${launcher[@]}"
cmake --build "$build"

# Reports go to files, one per process, so that none is lost in the output
# of a child process whose test looks only at what it printed.
reports="$(cd "$build" && pwd)/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"

status=0
# LeakSanitizer's own tracer crashes (signal 11) at the exit of the wizard
# steps test, after threads with dynamic TLS have exited; it finds no leak,
# it dies. That test runs with AddressSanitizer and UBSan but without the
# leak check until the cause is found.
no_leak_check=test_wizard_steps
(cd "$build" && ctest --output-on-failure -E "^$no_leak_check\$") || status=$?
(cd "$build" && ASAN_OPTIONS="${ASAN_OPTIONS/detect_leaks=1/detect_leaks=0}" \
    ctest --output-on-failure -R "^$no_leak_check\$") || status=$?

if compgen -G "$reports/*" >/dev/null; then
    echo "Sanitizer reports:"
    for report in "$reports"/*; do
        echo "== $report"
        cat "$report"
    done
    status=1
fi
exit $status
