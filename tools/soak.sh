#!/usr/bin/env bash
# Soak test: the program left running with its information window loaded (its 100 ms orbit
# animation timer keeps running while the window is hidden) and the about window shown.
#   tools/soak.sh [minutes=10]
# Builds the program in build-perf (RelWithDebInfo), starts it on a private 1024 x 768 Xvfb
# screen with a temporary HOME, in real-time mode (the default), clicks "Informations sur Algol"
# and then the information window's "&A Propos", checks that the about window is shown, then
# samples the resident memory (VmRSS in /proc/PID/status) every 10 s for the duration.
# Reports the RSS after the first minute (warm-up), at the end, the growth, the maximum, the CPU
# time used (utime + stime from /proc/PID/stat) as % of one core, and what the program printed.
# Passes when the growth after warm-up is under 1 MiB and nothing was printed (any Qt warning
# is a failure); the exit status says which.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
minutes=${1:-10}
build=build-perf
program="$build/app/algol"

source tools/xvfb-session.sh

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target algol >/dev/null

work=$(mktemp -d)
pid=
cleanup() {
    if [[ -n $pid ]]; then
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb 1024x768x24
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "$program" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!

fail() {
    echo "FAIL: $*"
    cat "$work/stdout.txt" "$work/stderr.txt"
    exit 1
}

# Clicks the middle of a control laid out in twips (15 twips to the pixel) inside a window.
click_twips() {
    local window=$1 left=$2 top=$3 width=$4 height=$5
    xdotool mousemove --window "$window" $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) \
        click 1
}

wait_for_window '^Tavrelo$' 30 || fail "the main window did not show"
main=$WINDOW_ID
sleep 1
click_twips "$main" 420 4800 5355 405 # Command3, "Informations sur Algol"
wait_for_window "^Description d'Algol" 30 || fail "the information window did not show"
description=$WINDOW_ID
sleep 1
click_twips "$description" 13515 9705 1575 435 # Command4, "&A Propos"
wait_for_window '^A Propos\.\.\. Version 2\.$' 30 || fail "the about window did not show"
window_shown "^Description d'Algol" && fail "the information window is still shown"

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }

start_ticks=$(cpu_ticks)
start_us=${EPOCHREALTIME/[.,]/}
samples=$((minutes * 6))
declare -a rss=()
echo "Display $DISPLAY, program pid $pid, sampling VmRSS every 10 s for $minutes min"
for ((i = 0; i <= samples; i++)); do
    wait_s=$((start_us / 1000000 + i * 10 - EPOCHSECONDS))
    ((wait_s > 0)) && sleep "$wait_s"
    kill -0 "$pid" 2>/dev/null || fail "the program ended after $((i * 10)) s"
    rss+=("$(rss_kib)")
    printf '%4d s  VmRSS %6d KiB\n' $((i * 10)) "${rss[i]}"
done
end_ticks=$(cpu_ticks)
end_us=${EPOCHREALTIME/[.,]/}
window_shown '^A Propos\.\.\. Version 2\.$' || fail "the about window is no longer shown"
hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")

warm=${rss[6]:-${rss[-1]}}
last=${rss[-1]}
max=$(printf '%s\n' "${rss[@]}" | sort -n | tail -1)
growth=$((last - warm))
cpu=$(awk -v t=$((end_ticks - start_ticks)) -v hz="$ticks_per_second" -v us=$((end_us - start_us)) \
    'BEGIN { printf "%.2f s of CPU over %.0f s, %.2f %% of one core", t / hz, us / 1e6, 100 * t / hz / (us / 1e6) }')
printed=$(cat "$work/stdout.txt" "$work/stderr.txt")

echo "RSS after the first minute: $warm KiB"
echo "RSS at the end:             $last KiB"
echo "Growth after warm-up:       $growth KiB"
echo "Maximum sampled RSS:        $max KiB (VmHWM $hwm KiB)"
echo "CPU:                        $cpu"
if [[ -n $printed ]]; then
    echo "Printed by the program:"
    printf '%s\n' "$printed"
else
    echo "Printed by the program:     nothing"
fi
if ((growth < 1024)) && [[ -z $printed ]]; then
    echo "PASS"
else
    echo "FAIL"
    exit 1
fi
