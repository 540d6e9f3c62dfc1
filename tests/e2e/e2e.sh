#!/usr/bin/env bash
# End-to-end test: starts the real program on a virtual X display at a chosen instant and drives it
# with the mouse and the keyboard only (xdotool), reading field texts back through the clipboard
# (xclip) and checking pictures on screenshots (ImageMagick), with a throw-away home folder.
#
#   e2e.sh PROGRAM OUTPUT_DIR
#
# OUTPUT_DIR receives the screenshots (e2e-*.png). E2E_TIMEOUT_SCALE multiplies every wait (the
# sanitizer build is several times slower).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb-session.sh"
program=$(readlink -f "${1:?usage: e2e.sh PROGRAM OUTPUT_DIR}")
output=${2:?usage: e2e.sh PROGRAM OUTPUT_DIR}
scale=${E2E_TIMEOUT_SCALE:-1}
mkdir -p "$output"
output=$(readlink -f "$output")
rm -f "$output"/e2e-*.png

fake_start="2007-03-15 14:00:00" # UT; the program runs with TZ=UTC
fake_date=$(date -u -d "$fake_start" +%d/%m/%Y)
fake_hours=$(date -u -d "$fake_start" +%H)
epoch=2441598.608
period=2.867315

work=$(mktemp -d "${TMPDIR:-/tmp}/algol-e2e.XXXXXX")
program_pid=""
started_at=0

cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && import -window root "$output/e2e-failure.png" 2>/dev/null; then
        echo "Screenshot of the screen: $output/e2e-failure.png" >&2
    fi
    if [ -s "$work/program.log" ]; then
        echo "--- program output ---" >&2
        tail -n 40 "$work/program.log" >&2
    fi
    exit 1
}

step() { echo "== $*"; }

for tool in Xvfb xdotool xclip import convert awk date; do
    command -v "$tool" >/dev/null || fail "$tool is missing (./setup.sh installs it)"
done
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)
[ -n "$faketime_lib" ] || fail "libfaketime.so.1 is missing (./setup.sh installs libfaketime)"
[ -x "$program" ] || fail "no program at $program"

now() { date +%s.%N; }

# poll SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; fails after SECONDS (scaled).
poll() {
    local limit
    limit=$(awk -v n="$(now)" -v t="$1" -v s="$scale" 'BEGIN { printf "%.3f", n + t * s }')
    shift
    until "$@"; do
        if awk -v n="$(now)" -v l="$limit" 'BEGIN { exit !(n > l) }'; then
            return 1
        fi
        sleep 0.05
    done
}

# ---------------------------------------------------------------------------------------------
# The virtual display.

start_xvfb 1280x1024x24 $((20 * scale)) || fail "Xvfb did not start"

# ---------------------------------------------------------------------------------------------
# The program, with its own home folder and the instant faked.

home="$work/home"
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$work/runtime"
chmod 700 "$work/runtime"

# libfaketime is preloaded ahead of the sanitizer runtime, which ASan must be told to accept.
start_program() {
    env -u QT_QPA_PLATFORM -u LANGUAGE -u SESSION_MANAGER \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/runtime" \
        LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC \
        LD_PRELOAD="$faketime_lib" FAKETIME="@$fake_start" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp:print_suppressions=0" \
        "$program" >>"$work/program.log" 2>&1 &
    program_pid=$!
    started_at=$(now)
}

find_window() { # NAME-REGEX: the id of the one visible window whose name matches
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

has_window() { [ -n "$(find_window "$1")" ]; }

program_alive() { kill -0 "$program_pid" 2>/dev/null; }
program_ended() { ! program_alive; }

# Alt+Q ("&Quitter") in the focused main window; the program must end with status 0.
quit_program() {
    xdotool key alt+q
    poll 30 program_ended || fail "the program is still running after Alt+Q"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

wait_main_window() {
    poll 30 has_window '^Tavrelo$' ||
        { program_alive || fail "the program ended before showing its window"; fail "no window titled \"Tavrelo\" appeared"; }
    main=$(find_window '^Tavrelo$')
}

# Gives a window the keyboard focus, as a click-to-focus window manager would.
focus() {
    timeout $((5 * scale)) xdotool windowfocus --sync "$1" || fail "window $1 did not take the focus"
}

click() { # X Y in the main window's client area
    xdotool mousemove --window "$main" "$1" "$2" click 1
}

# Reads a text field: click in it, select all, copy, and read the clipboard. The clipboard is first
# given a marker text, so that a copy that did not happen (the clock rewrote the field between the
# selection and the copy) is seen and tried again.
marker="no copy yet"
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
clipboard_changed() { [ "$(clipboard)" != "$marker" ]; }
clipboard_is_marker() { [ "$(clipboard)" = "$marker" ]; }
read_field() { # X Y: prints the text; fails when no copy came through in five attempts
    local attempt
    for attempt in 1 2 3 4 5; do
        printf '%s' "$marker" | xclip -i -selection clipboard >/dev/null 2>&1
        poll 5 clipboard_is_marker || true
        click "$1" "$2"
        xdotool key ctrl+a ctrl+c
        if poll 1 clipboard_changed; then
            clipboard
            return 0
        fi
    done
    return 1
}

type_into() { # X Y TEXT: click in a field, select all and type over it
    click "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 20 "$3"
}

expect_field() { # X Y NAME EXPECTED
    local actual
    actual=$(read_field "$1" "$2") || fail "could not copy the text of $3"
    [ "$actual" = "$4" ] || fail "$3 shows \"$actual\", expected \"$4\""
    echo "   $3 = \"$actual\""
}

# Window coordinates in pixels, from the designed layout in twips (15 twips per pixel): the middle
# of each control.
middle() { # LEFT TOP WIDTH HEIGHT (twips) -> "x y"
    awk -v l="$1" -v t="$2" -v w="$3" -v h="$4" \
        'BEGIN { printf "%d %d", (l + w / 2) / 15, (t + h / 2) / 15 }'
}
read -r text1_x text1_y <<<"$(middle 360 120 3225 285)"
read -r text3_x text3_y <<<"$(middle 3855 120 390 285)"
read -r text4_x text4_y <<<"$(middle 4560 120 390 285)"
read -r text5_x text5_y <<<"$(middle 5310 120 390 285)"
read -r text2_x text2_y <<<"$(middle 360 720 3180 285)"
read -r command1_x command1_y <<<"$(middle 3945 630 1455 495)"
read -r text6_x text6_y <<<"$(middle 6060 810 360 285)"
read -r text7_x text7_y <<<"$(middle 360 1320 3180 285)"
read -r text8_x text8_y <<<"$(middle 360 1845 780 285)"
read -r command3_x command3_y <<<"$(middle 420 4800 5355 405)"
check1_x=$((1995 / 15 + 8)) # the box, at the left of the check box
check1_y=$(((1710 + 390 / 2) / 15))
# Picture1, the orbit view: x 25 to 219, y 149 to 290; a point away from the stars.
picture1_rect="194x141+25+149"
picture1_click_x=40
picture1_click_y=160

# ---------------------------------------------------------------------------------------------
# Expected texts, computed here from the ephemeris: the instant composed one rounded operation
# at a time, written with 15 significant digits and read back; the last minimum by stepping one
# period at a time from the epoch; the next minimum to the nearest second (serial days count
# from 30/12/1899, Unix days from 01/01/1970, 25569 days later).

julian_text() { # DD/MM/YYYY H M S OFFSET (empty offset: UT)
    local d=${1%%/*} rest=${1#*/}
    local mo=${rest%%/*} y=${rest#*/}
    local unix
    unix=$(date -u -d "$y-$mo-$d 00:00:00" +%s)
    awk -v u="$unix" -v h="$2" -v m="$3" -v s="$4" -v o="$5" 'BEGIN {
        jd = (u / 86400 + 25569) + 2415018.5
        jd = jd + h / 24; jd = jd + m / 1440; jd = jd + s / 86400
        if (o != "") jd = jd - o / 24
        printf "%.15g", jd }'
}

minimum_and_phase() { # JULIAN-DAY-TEXT OFFSET (empty offset: UT) -> "unix-seconds phase"
    awk -v jd="$1" -v o="$2" -v e="$epoch" -v p="$period" 'BEGIN {
        jd = jd + 0
        threshold = jd - p
        last = e
        while (last <= threshold) last = last + p
        shown = last + p - 2415018.5
        if (o != "") shown = shown + o / 24
        printf "%.0f %.17g", int(shown * 86400 + 0.5) - 25569 * 86400, (jd - last) / p }'
}

expect_instant() { # DD/MM/YYYY H M S OFFSET: the three computed fields as they should read
    local jd minimum phase
    jd=$(julian_text "$@")
    read -r minimum phase <<<"$(minimum_and_phase "$jd" "$5")"
    expect_field "$text2_x" "$text2_y" "Text2 (Julian Day)" "$jd"
    expect_field "$text7_x" "$text7_y" "Text7 (next minimum)" \
        "$(date -u -d "@$minimum" '+%d/%m/%Y  %H:%M:%S')"
    expect_field "$text8_x" "$text8_y" "Text8 (phase)" "$(awk -v f="$phase" 'BEGIN { printf "%.3f", f }')"
    expected_phase=$phase
}

# Real time: Text2 is the faked instant, advanced by the seconds since the start, minus the offset.
expect_real_time() { # OFFSET
    local jd text seconds elapsed
    jd=$(julian_text "$fake_date" "$fake_hours" 0 0 "$1")
    text=$(read_field "$text2_x" "$text2_y") || fail "could not copy the text of Text2"
    elapsed=$(awk -v n="$(now)" -v s="$started_at" 'BEGIN { printf "%d", n - s + 2 }')
    seconds=$(awk -v t="$text" -v j="$jd" 'BEGIN {
        if (t !~ /^[0-9]+(\.[0-9]+)?$/) { print "not a number"; exit }
        printf "%.0f", (t - j) * 86400 }')
    [[ "$seconds" =~ ^[0-9]+$ ]] && [ "$seconds" -le "$elapsed" ] ||
        fail "in real time Text2 shows \"$text\": expected $jd (the faked start with offset $1)" \
            "plus at most $elapsed s"
    echo "   Text2 = \"$text\" ($seconds s after the faked start)"
    real_time_text=$text
}

# Screenshot helpers: pixel colours of the main window.
shoot() { import -window "$main" "$1" || fail "could not take a screenshot of the main window"; }
cream_percent() { # PNG RECT: percentage of the light curve's cream (255,250,222) in RECT
    convert "$1" -crop "$2" +repage -fill black +opaque 'rgb(255,250,222)' -fill white \
        -opaque 'rgb(255,250,222)' -colorspace Gray -format '%[fx:int(mean*100+0.5)]' info:
}
red_columns() { # PNG Y: the x of every clearly red pixel of row Y
    convert "$1" -crop "449x1+0+$2" +repage txt:- |
        awk -F'[,:() ]+' 'NR > 1 && $3 >= 200 && $4 <= 80 && $5 <= 80 { print $1 }'
}

panel_shows() { shoot "$work/panel.png"; [ "$(cream_percent "$work/panel.png" "$picture1_rect")" -ge 80 ]; }
panel_hidden() { shoot "$work/panel.png"; [ "$(cream_percent "$work/panel.png" "$picture1_rect")" -le 5 ]; }

# ---------------------------------------------------------------------------------------------

step "1. the window appears with its designed size"
start_program
wait_main_window
geometry=$(xdotool getwindowgeometry --shell "$main")
width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
[ "$width x $height" = "449 x 349" ] || fail "the client area is $width x $height, expected 449 x 349"
echo "   client area $width x $height"
focus "$main"

step "2. real time: the fields follow the faked clock, offset 1"
# (A click in a date or time field now warns that the mode is real time, and beeps.)
expect_field "$text1_x" "$text1_y" "Text1 (date)" "$fake_date"
expect_field "$text3_x" "$text3_y" "Text3 (hours)" "$fake_hours"
expect_field "$text6_x" "$text6_y" "Text6 (offset)" "1"
expect_real_time 1
first_text=$real_time_text
text2_moved() {
    local text
    text=$(read_field "$text2_x" "$text2_y") && [ -n "$text" ] && [ "$text" != "$first_text" ]
}
poll 5 text2_moved || fail "Text2 stays at \"$first_text\": the clock is not followed"
echo "   Text2 moves on with the clock"

step "3. edit mode: typed instants give the computed Julian Day, next minimum and phase"
click "$command1_x" "$command1_y"
type_into "$text6_x" "$text6_y" "2"
type_into "$text1_x" "$text1_y" "15/03/2007"
type_into "$text3_x" "$text3_y" "16"
type_into "$text4_x" "$text4_y" "00"
type_into "$text5_x" "$text5_y" "00"
echo "   local time 15/03/2007 16:00:00, offset 2"
expect_instant "15/03/2007" 16 00 00 2
click "$check1_x" "$check1_y" # unchecked: the fields are UT
type_into "$text3_x" "$text3_y" "14"
echo "   UT 15/03/2007 14:00:00"
expect_instant "15/03/2007" 14 00 00 ""
type_into "$text1_x" "$text1_y" "01/01/2000"
type_into "$text3_x" "$text3_y" "12"
echo "   UT 01/01/2000 12:00:00"
expect_instant "01/01/2000" 12 00 00 ""
sleep 1.2 # a clock tick would overwrite the fields in real time; in edit mode nothing moves
expect_field "$text2_x" "$text2_y" "Text2 (Julian Day), a second later" "2451545"

step "4. a click on the orbit view shows the light curve with its cursor at the phase"
shoot "$output/e2e-orbit.png"
before=$(cream_percent "$output/e2e-orbit.png" "$picture1_rect")
[ "$before" -le 5 ] || fail "the orbit view is already $before % cream before the click"
click "$picture1_click_x" "$picture1_click_y"
poll 10 panel_shows || fail "no light-curve panel over the orbit view after a click on it"
cp "$work/panel.png" "$output/e2e-lightcurve.png"
# The cursor runs from phase 0 at x 1425 twips to phase 1 at x 6420 twips, y 720 to 3885 twips.
cursor_x=$(awk -v f="$expected_phase" 'BEGIN { printf "%.2f", (1425 + (6420 - 1425) * f) / 15 }')
for y in 60 150 250; do
    columns=$(red_columns "$output/e2e-lightcurve.png" "$y" | tr '\n' ' ')
    awk -v c="$columns" -v x="$cursor_x" 'BEGIN {
        n = split(c, xs, " "); if (n < 2) exit 1
        for (i = 1; i <= n; i++) { if (xs[i] + 0.5 < x - 2.5 || xs[i] + 0.5 > x + 2.5) exit 1; sum += xs[i] + 0.5 }
        exit !(sum / n > x - 1 && sum / n < x + 1) }' ||
        fail "row $y of the light curve: red at x = ${columns:-nowhere}, expected the cursor at x = $cursor_x" \
            "(see $output/e2e-lightcurve.png)"
done
echo "   red cursor at x = $cursor_x for phase $expected_phase"
click 300 150 # on the light curve: the panel goes away
poll 10 panel_hidden || fail "the light-curve panel stays after a click on it"
echo "   a click on the curve hides it"

step "5. \"Informations sur Algol\" opens the information window, Alt+R closes it"
click "$command3_x" "$command3_y"
poll 30 has_window "^Description d'Algol" || fail "no information window after \"Informations sur Algol\""
info=$(find_window "^Description d'Algol")
info_geometry=$(xdotool getwindowgeometry --shell "$info" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' ')
[ "$info_geometry" = "X=0 Y=0 WIDTH=1280 HEIGHT=1024 " ] ||
    fail "the information window is not maximised: $info_geometry"
echo "   information window over the whole screen"
import -window root "$output/e2e-information.png"
has_keyboard() { [ "$(xdotool getwindowfocus)" = "$info" ]; }
poll 10 has_keyboard || fail "the information window did not take the keyboard when it opened"
xdotool key alt+r
information_gone() { ! has_window "^Description d'Algol"; }
poll 10 information_gone ||
    fail "the information window is still shown after Alt+R"
has_window '^Tavrelo$' || fail "the main window is gone after \"&Retour\""
echo "   Alt+R closes it, the main window stays"

step "6. Alt+Q ends the program and saves the offset"
focus "$main"
quit_program
ini="$home/.config/algol.ini"
[ -f "$ini" ] || fail "no settings file $ini after \"&Quitter\""
# QSettings writes the section "Donnée" with its é percent-encoded.
saved=$(awk '/^\[/ { section = $0 } section == "[Donn%E9e]" && /^TU=/ { sub(/^TU=/, ""); print }' "$ini")
[ "$saved" = "2" ] || fail "the settings file does not hold TU=2 in [Donnée]:$(printf '\n'; cat "$ini")"
echo "   $ini: [Donn%E9e] TU=$saved"

step "7. the next start reads the saved offset"
start_program
wait_main_window
focus "$main"
expect_field "$text6_x" "$text6_y" "Text6 (offset)" "2"
expect_real_time 2
quit_program

echo "PASS"
