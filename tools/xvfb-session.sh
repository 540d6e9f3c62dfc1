# Shell functions shared by the scripts that run the program on a virtual X display (sourced, not
# run): a private Xvfb display, and waiting for a shown window by its title.
# Times are bash's $EPOCHREALTIME in microseconds (no process started to read the clock).

# Starts Xvfb at the given screen size (1024x768x24 by default) on a display number that the
# server picks itself (-displayfd: it writes the number once it accepts connections), waiting at
# most timeout seconds (20 by default); exports DISPLAY. XVFB_PID is the server's process id.
# -noreset: otherwise the server resets when its last client leaves, and a program started next
# may find it unreachable.
start_xvfb() {
    local screen=${1:-1024x768x24} timeout=${2:-20} fifo number=""
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/xvfb-display.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t "$timeout" number <"$fifo" || true
    rm -f "$fifo"
    if [[ -z $number ]]; then
        stop_xvfb
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY XAUTHORITY
}

stop_xvfb() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

# Polls X (an xdotool query, then a 50 ms pause) until a mapped window whose title matches the
# regular expression exists; sets WINDOW_ID. Returns 1 after timeout seconds (30 by default).
wait_for_window() {
    local pattern=$1 timeout=${2:-30} deadline id
    deadline=$((${EPOCHREALTIME/[.,]/} + timeout * 1000000))
    while ((${EPOCHREALTIME/[.,]/} < deadline)); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)
        if [[ -n $id ]]; then
            WINDOW_ID=${id%%$'\n'*}
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# True when a mapped window matches the title.
window_shown() {
    [[ -n $(xdotool search --onlyvisible --name "$1" 2>/dev/null || true) ]]
}

# Event-driven record of the windows mapped on the display: xev watches the root window and a
# shell loop writes "<time in us> <window id>" to the given log the moment each MapNotify event
# arrives, so the time is late only by the scheduling of those two processes.
start_map_watcher() {
    MAP_LOG=$1
    local fifo="$MAP_LOG.fifo"
    : >"$MAP_LOG"
    mkfifo "$fifo"
    stdbuf -oL xev -root -event substructure >"$fifo" 2>/dev/null &
    XEV_PID=$!
    {
        local line stamp
        while IFS= read -r line; do
            [[ $line == MapNotify* ]] || continue
            stamp=${EPOCHREALTIME/[.,]/}
            IFS= read -r line # "    event 0x..., window 0x..., override NO"
            line=${line##*window }
            echo "$stamp ${line%%,*}"
        done
    } <"$fifo" >>"$MAP_LOG" &
    STAMP_PID=$!
    sleep 0.5 # xev selects the events before anything is started
}

stop_map_watcher() {
    if [[ -n ${XEV_PID:-} ]]; then
        kill "$XEV_PID" 2>/dev/null || true
        wait "$XEV_PID" "$STAMP_PID" 2>/dev/null || true
        rm -f "$MAP_LOG.fifo"
        XEV_PID=
    fi
}

# Waits for a window whose title matches the regular expression to appear in the map log after
# its first `skip` lines. Sets MAPPED_US (when it was mapped) and WINDOW_ID. Returns 1 after
# timeout seconds (30 by default).
wait_for_mapped_window() {
    local pattern=$1 skip=$2 timeout=${3:-30} deadline stamp id n
    deadline=$((${EPOCHREALTIME/[.,]/} + timeout * 1000000))
    while ((${EPOCHREALTIME/[.,]/} < deadline)); do
        n=0
        while read -r stamp id; do
            n=$((n + 1))
            ((n <= skip)) && continue
            if [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $pattern ]]; then
                MAPPED_US=$stamp
                WINDOW_ID=$id
                return 0
            fi
        done <"$MAP_LOG"
        sleep 0.01
    done
    return 1
}

# Median of the numbers given as arguments.
median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
