#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, instrumented, in build-fuzz) and their timing replays
# (uninstrumented: in build-fuzz/replay, or in the build ALGOL_REPLAY_BUILD names, configured
# with -DALGOL_FUZZ_REPLAY=ON, so that a test run compiles the libraries once), runs each fuzzer for a while on a copy of its seed
# corpus, then replays everything it ran into, timing each input.
# Fails on a crash, a sanitizer report, a broken invariant, a timeout, or an input that takes
# longer than 1 ms in the uninstrumented build.
#
#   tests/fuzz/run-fuzzers.sh [seconds-per-target]     (default 20)
#
# What a fuzzer finds is kept in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-20}
targets=(fuzz_textconversions fuzz_recompute fuzz_cli fuzz_timing)
jobs=$(nproc)
build=build-fuzz

configure() {
    local log
    log=$(mktemp)
    cmake "$@" >"$log" 2>&1 || { cat "$log" >&2; rm -f "$log"; return 1; }
    rm -f "$log"
}
configure -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DALGOL_FUZZ=ON -DALGOL_BENCHMARKS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build "$build" --parallel "$jobs" --target "${targets[@]}"
replay=${ALGOL_REPLAY_BUILD:-$build/replay}
if [ -z "${ALGOL_REPLAY_BUILD:-}" ]; then
    configure -S . -B "$replay" -DALGOL_FUZZ_REPLAY=ON -DALGOL_BENCHMARKS=OFF \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"
fi
cmake --build "$replay" --parallel "$jobs" --target "${targets[@]/#/replay_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work"
export UBSAN_OPTIONS=print_stacktrace=1

run_fuzzer() {
    local target=$1 dir="$work/$1" dict=tests/fuzz/fields.dict
    [ -f "tests/fuzz/$1.dict" ] && dict="tests/fuzz/$1.dict"
    mkdir -p "$dir/corpus" "$dir/artifacts"
    cp -R "tests/fuzz/corpus/$target/." "$dir/corpus/"
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="$dict" -artifact_prefix="$dir/artifacts/" \
        "$dir/corpus" >"$dir/log" 2>&1
}

# The fuzzers side by side when there are cores for them.
pids=()
for target in "${targets[@]}"; do
    if [ "$jobs" -ge 2 ]; then
        run_fuzzer "$target" &
        pids+=($!)
    else
        run_fuzzer "$target" || true
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || true
done

reports='ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error:'
failed=0
for target in "${targets[@]}"; do
    dir="$work/$target"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log")
    final=$(grep -E '^#[0-9]+[[:space:]]+DONE ' "$dir/log" | tail -n 1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\) .*/\1/p' <<<"$final")
    corpus=$(find "$dir/corpus" -type f | wc -l)
    if [ -z "$runs" ] || [ -n "$(ls -A "$dir/artifacts")" ] \
        || grep -q -E "$reports" "$dir/log"; then
        echo "$target: FAILED" >&2
        tail -n 60 "$dir/log" >&2
        mkdir -p "$build/findings/$target"
        cp -R "$dir/artifacts/." "$build/findings/$target/"
        echo "$target: reproducers kept in $build/findings/$target/" >&2
        failed=1
        continue
    fi
    echo "$target: ${runs} executions in ${seconds} s, cov ${cov:-?}, corpus ${corpus} inputs"
    "$replay/tests/fuzz/replay_$target" "$dir/corpus" || failed=1
done
exit "$failed"
