#!/usr/bin/env bash
# End-to-end test of algol-planner as installed: `cmake --install` into a temporary root, then the
# installed program started once on a virtual X display at a faked instant (an hour before the
# minimum of 20 December 2026 at 04:35 in Paris) with an empty home folder. Its window must show
# under its own class with the night chart drawn, write the user's settings, print nothing and end
# with status 0 on Ctrl+Q.
#
#   planner.sh CMAKE BUILD_DIR OUTPUT_DIR
#
# OUTPUT_DIR receives the screenshot (e2e-planner.png). E2E_TIMEOUT_SCALE multiplies every wait.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb-session.sh"
cmake=${1:?usage: planner.sh CMAKE BUILD_DIR OUTPUT_DIR}
build=${2:?usage: planner.sh CMAKE BUILD_DIR OUTPUT_DIR}
output=${3:?usage: planner.sh CMAKE BUILD_DIR OUTPUT_DIR}
scale=${E2E_TIMEOUT_SCALE:-1}
mkdir -p "$output"
output=$(readlink -f "$output")

work=$(mktemp -d "${TMPDIR:-/tmp}/algol-planner-e2e.XXXXXX")
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$output/e2e-planner-failure.png" 2>/dev/null || true
    [ -s "$work/program.log" ] && sed 's/^/  /' "$work/program.log" >&2
    exit 1
}

faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)
[ -n "$faketime_lib" ] || fail "libfaketime.so.1 is missing (./setup.sh installs libfaketime)"

DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
program="$work/root/usr/bin/algol-planner"
[ -x "$program" ] || fail "no installed program at $program"
class=$(sed -n 's/^StartupWMClass=//p' "$work/root"/usr/share/applications/*.Planner.desktop)

start_xvfb 1400x900x24 $((20 * scale)) || fail "Xvfb did not start"
home="$work/home"
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
env -u QT_QPA_PLATFORM -u LANGUAGE HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=Europe/Paris \
    LD_PRELOAD="$faketime_lib" FAKETIME="@2026-12-20 02:35:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp:print_suppressions=0" \
    "$program" >"$work/program.log" 2>&1 &
program_pid=$!

wait_for_window '^Algol planner$' $((30 * scale)) || fail "no window titled 'Algol planner'"
[ "$(xdotool search --onlyvisible --class "^$class\$" 2>/dev/null | head -n 1)" = "$WINDOW_ID" ] ||
    fail "the window is not of the class $class that the desktop entry names"
sleep $((1 * scale))
import -window root "$output/e2e-planner.png"
# The night chart: a large stretch of the night's colour (#0F162E).
night=$(convert "$output/e2e-planner.png" -format %c histogram:info:- | awk '/#0F162E/ { print $1 + 0 }')
[ "${night:-0}" -gt 50000 ] || fail "the night chart is not drawn (${night:-0} pixels of the night's colour)"
grep -q '"name": "Paris"' "$home/.config/algol-planner.json" 2>/dev/null ||
    fail "the settings were not written: $(cat "$home/.config/algol-planner.json" 2>&1)"

xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null || true
xdotool key ctrl+q
for _ in $(seq $((100 * scale))); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the planner is still running after Ctrl+Q"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the planner ended with status $status"
[ -s "$work/program.log" ] && fail "the planner printed something"
echo "e2e planner: the installed planner showed its chart ($night night pixels), saved its settings and quit"
