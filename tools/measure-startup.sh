#!/usr/bin/env bash
# Start-up time and peak memory of the program against a bare Qt window (tools/minimalwindow).
#   tools/measure-startup.sh [runs=5] [algol|planner]
# "planner" measures algol-planner, to its shown window with its list and chart, against the bare
# window of the planner's size showing a line of text (minimalwindow --text). ALGOL_PERF_BUILD
# names another build folder of the same build type (default build-perf).
# Builds both in build-perf (RelWithDebInfo, as ./test.sh builds), then starts each one `runs`
# times in turn on a private Xvfb screen with a temporary HOME, after one warm-up start of each
# that is not counted. For every start:
#   - time to the shown window: from just before the start (bash's clock, no process started) to
#     the MapNotify event of its window with the expected title, stamped as it arrives by a
#     watcher on the root window (xev; event-driven, no polling: late only by the scheduling of
#     the watcher, about a millisecond on a quiet machine);
#   - peak resident memory ("Maximum resident set size" of /usr/bin/time -v), the program being
#     ended by SIGTERM one second after its window showed, so the first paints are counted;
#   - the CPU time the process used up to that moment, all threads (first field of
#     /proc/PID/task/*/schedstat, in ns): much less sensitive to the machine's load than the
#     elapsed time, it tells a busy machine from a slow start.
# Prints each run, the medians and the ratios program / bare window (aim: at most 1.5 for the
# time and the memory). Start-up times depend on the machine's load: the load average is
# printed before and after; prefer a quiet machine and more runs.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
runs=${1:-5}
which=${2:-algol}
build=${ALGOL_PERF_BUILD:-build-perf}

source tools/xvfb-session.sh

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target algol algol-planner minimalwindow >/dev/null

work=$(mktemp -d)
cleanup() {
    stop_map_watcher
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb 1024x768x24
start_map_watcher "$work/maps.log"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

# One start: sets RUN_MS (time to the shown window), RUN_KB (peak RSS), RUN_CPU_MS (CPU time),
# RUN_OUTPUT (what the program printed).
measure_once() {
    local program=$1 title=$2 started tpid child skip arguments=()
    [[ $program == *minimalwindow && $which == planner ]] && arguments=(--text)
    skip=$(wc -l <"$MAP_LOG")
    started=${EPOCHREALTIME/[.,]/}
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" /usr/bin/time -v -o "$work/time.txt" "$program" "${arguments[@]}" >"$work/output.txt" 2>&1 &
    tpid=$!
    if ! wait_for_mapped_window "^${title}\$" "$skip" 30; then
        echo "no window titled '$title' within 30 s" >&2
        kill -TERM "$tpid" 2>/dev/null || true
        return 1
    fi
    RUN_MS=$(awk -v a="$started" -v b="$MAPPED_US" 'BEGIN { printf "%.1f", (b - a) / 1000 }')
    sleep 1
    child=$(pgrep -P "$tpid" || true)
    RUN_CPU_MS=$(cat /proc/"$child"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.1f", ns / 1e6 }')
    kill -TERM "$child"
    wait "$tpid" || true
    RUN_KB=$(awk -F: '/Maximum resident set size/ { print $2 + 0 }' "$work/time.txt")
    RUN_OUTPUT=$(cat "$work/output.txt")
}

declare -a program_ms=() program_kb=() program_cpu=() minimal_ms=() minimal_kb=() minimal_cpu=()
programs=("$build/app/algol" "$build/tools/minimalwindow/minimalwindow")
titles=("Tavrelo" "Minimal window")
if [[ $which == planner ]]; then
    programs[0]="$build/planner/algol-planner"
    titles[0]="Algol planner"
fi

echo "Display $DISPLAY, $runs runs each; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in 0 1; do
    measure_once "${programs[i]}" "${titles[i]}" # warm-up, not counted
done
for ((run = 1; run <= runs; run++)); do
    for i in 0 1; do
        measure_once "${programs[i]}" "${titles[i]}"
        printf '%-14s run %2d: %6.1f ms to the shown window, peak RSS %6d KiB, CPU %6.1f ms\n' \
            "$(basename "${programs[i]}")" "$run" "$RUN_MS" "$RUN_KB" "$RUN_CPU_MS"
        [[ -n $RUN_OUTPUT ]] && printf '  printed: %s\n' "$RUN_OUTPUT"
        if ((i == 0)); then
            program_ms+=("$RUN_MS") program_kb+=("$RUN_KB") program_cpu+=("$RUN_CPU_MS")
        else
            minimal_ms+=("$RUN_MS") minimal_kb+=("$RUN_KB") minimal_cpu+=("$RUN_CPU_MS")
        fi
    done
done
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

pms=$(median "${program_ms[@]}") pkb=$(median "${program_kb[@]}")
mms=$(median "${minimal_ms[@]}") mkb=$(median "${minimal_kb[@]}")
pcpu=$(median "${program_cpu[@]}") mcpu=$(median "${minimal_cpu[@]}")
awk -v pms="$pms" -v pkb="$pkb" -v mms="$mms" -v mkb="$mkb" -v pcpu="$pcpu" -v mcpu="$mcpu" 'BEGIN {
    printf "Median time to the shown window: program %.1f ms, bare window %.1f ms, ratio %.2f\n",
        pms, mms, pms / mms
    printf "Median peak RSS: program %.0f KiB, bare window %.0f KiB, ratio %.2f\n",
        pkb, mkb, pkb / mkb
    printf "Median CPU time to the shown window plus 1 s: program %.1f ms, bare window %.1f ms, ratio %.2f\n",
        pcpu, mcpu, pcpu / mcpu
    ok = (pms / mms <= 1.5 && pkb / mkb <= 1.5)
    printf "Within 1.5x of the bare window for both: %s\n", ok ? "yes" : "no"
    exit ok ? 0 : 1
}'
