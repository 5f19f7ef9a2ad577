#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (60 s,
# or FUZZ_SECONDS) on a copy of the seed corpus. Usage: fuzz/run_fuzzers.sh
# [build dir, default build-fuzz]. New inputs stay in the build dir; a crash
# leaves its input in <build dir>/fuzz-artifacts/ and fails the script (copy
# it into fuzz/corpus/ once fixed, so that every build replays it).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQUILLORA_FUZZ=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" --target fuzz_board_file fuzz_notes

mkdir -p "$build/fuzz-artifacts"
status=0
for pair in fuzz_board_file:board fuzz_notes:notes; do
    target=${pair%%:*}
    seeds=fuzz/corpus/${pair##*:}
    work="$build/fuzz-corpus/${pair##*:}"
    mkdir -p "$work"
    log="$build/fuzz-artifacts/$target.log"
    echo "== $target: ${seconds} s on $seeds"
    if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
           -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
           "$work" "$seeds" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        grep -E "ERROR|check failed|SUMMARY|Test unit written" "$log" || true
    fi
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || echo "?")
    crashes=$(ls "$build/fuzz-artifacts" | grep -c "^$target-" || true)
    echo "$target: $result, $runs executions, $crashes crash inputs, corpus $(ls "$work" | wc -l) files"
done
exit $status
