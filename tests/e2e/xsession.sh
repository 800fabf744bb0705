# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests: a private X server for the real binary, and
# ways to find and answer its windows. Sourced, not run.

TITLE='2GHz Frequency counter'

for tool in Xvfb xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/test installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
# What a user keeps (a nominal frequency) takes no part.
XDG_CONFIG_HOME="$work/config"
export XDG_CONFIG_HOME
xvfb_pid=""
app_pid=""
sim_pid=""
children=""
finish() {
    for pid in $children $app_pid $sim_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
    # No server of ours outlives its test.
    [ -z "$xvfb_pid" ] || wait "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/stderr" ]; then
        echo "--- the program's standard error:" >&2
        cat "$work/stderr" >&2
    fi
    exit 1
}

# Starts a private X server on a free display and exports DISPLAY. By default
# an X server resets whenever its last client leaves, and a reset drops any
# client still in its connection handshake: every short-lived xdotool or
# xprop would race the program's own start (it then fails with "could not
# connect to display"). -noreset keeps the server as it is.
start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$work/display" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.05
    done
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
    XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
}

# Makes this test's own session bus and the accessibility bus on it, as a
# screen reader's desktop has them, or skips the test when their packages
# are missing. Run it first: it starts the script again under the bus.
# python is Debian's own Python, which has the AT-SPI bindings (another may
# come first on PATH).
python=/usr/bin/python3
on_accessibility_bus() {
    launcher=/usr/libexec/at-spi-bus-launcher
    [ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
    "$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    command -v dbus-run-session >/dev/null 2>&1 || { echo "SKIP: dbus is not installed"; exit 77; }
    [ -n "${FREQCOUNTER_OWN_BUS:-}" ] || FREQCOUNTER_OWN_BUS=1 exec dbus-run-session -- sh "$0" "$@"
}

# Starts the accessibility bus's launcher, after start_x.
start_accessibility_bus() {
    "$launcher" --launch-immediately 2>"$work/launcher.log" &
    children="$children $!"
}

# The program as a screen reader's user has it: on a private X server and
# the accessibility bus, a counter on each port (Com1 about 145.2 MHz, within
# the nominal's ±1000 ppm; Com2 about 433.92 MHz, outside), compared with
# 145.2 MHz, waiting out a lost line. Sets main to its window.
start_for_a_screen_reader() {
    start_x
    start_accessibility_bus
    start_simulator --name com1 --frequency 145.2 --interval 100
    start_simulator --name com2 --frequency 433.92 --interval 100
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 FREQCOUNTER_COM2="$work/com2" \
        "$program" --com1 "$work/com1" --nominal 145.2MHz --tolerance 1000ppm --reconnect 2>"$work/stderr" &
    app_pid=$!
    main=$(wait_window _NET_WM_WINDOW_TYPE_NORMAL) || fail "the window did not open"
}

# Starts a simulated counter with its device linked at $work/NAME (com1
# unless --name NAME comes first); its pid is in sim_pid, the device's own
# path in $work/NAME.device.
start_simulator() {
    name=com1
    if [ "${1:-}" = "--name" ]; then
        name=$2
        shift 2
    fi
    "$simulator" --link "$work/$name" "$@" >"$work/$name.device" &
    sim_pid=$!
    children="$children $sim_pid"
    tries=0
    while [ ! -e "$work/$name" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && fail "the simulator did not start"
        sleep 0.05
    done
}

# start_network_counter [SIMULATOR OPTION ...]: a simulated counter on the
# network, on the loopback address; its address in $address.
start_network_counter() {
    rm -f "$work/address"
    "$simulator" --listen 0 "$@" >"$work/address" &
    wait_address $!
}

# wait_address PID: waits for the server started as PID to print where it
# listens, tcp://HOST:PORT, to $work/address; puts it in $address. The
# caller removes the file before it starts the server: else an earlier
# server's address could be read before the new one's shell empties it.
wait_address() {
    sim_pid=$1
    children="$children $sim_pid"
    tries=0
    until grep -q '^tcp://' "$work/address" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && fail "the counter on the network did not start"
        sleep 0.05
    done
    address=$(cat "$work/address")
}

# Prints the ids of the visible windows titled like the program's; with a
# process id, only that process's windows.
visible_windows() {
    if [ -n "${1:-}" ]; then
        xdotool search --all --onlyvisible --pid "$1" --name "^$TITLE\$" 2>/dev/null || true
    else
        xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null || true
    fi
}

# Waits (up to 10 s) for a visible window of that title and kind
# (_NET_WM_WINDOW_TYPE_DIALOG or _NET_WM_WINDOW_TYPE_NORMAL); prints its id.
wait_window() {
    kind=$1
    tries=0
    while :; do
        for id in $(visible_windows "$app_pid"); do
            first_type=$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.*= //; s/,.*//')
            if [ "$first_type" = "$kind" ]; then
                echo "$id"
                return 0
            fi
        done
        tries=$((tries + 1))
        [ "$tries" -gt 500 ] && return 1
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.02
    done
}

# Waits (up to 10 s) for a visible window of the program whose title matches
# the pattern; prints its id.
wait_titled() {
    tries=0
    until xdotool search --all --onlyvisible --pid "$app_pid" --name "$1" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && return 1
        sleep 0.05
    done
}

# Chooses "Com2" in the window as a keyboard user does: the window opens with
# "Com1" focused, and an arrow key moves the choice to "Com2". No pixel
# position of the button is needed.
choose_com2() {
    xdotool windowfocus --sync "$1" key Right
}

# Whether the program holds DEVICE open, as its open files in /proc show.
holds_open() {
    for fd in /proc/"$app_pid"/fd/*; do
        [ "$(readlink "$fd" 2>/dev/null)" = "$1" ] && return 0
    done
    return 1
}

# Waits (up to 10 s) until the program holds the simulated counter
# $work/NAME open.
wait_port_open() {
    device=$(readlink -f "$work/$1") || fail "$work/$1 is not linked to a device"
    tries=0
    until holds_open "$device"; do
        tries=$((tries + 1))
        [ "$tries" -gt 500 ] && return 1
        sleep 0.02
    done
}

# rows PORT: how many rows of that port the recording at $recording holds.
rows() {
    if [ -f "$recording" ]; then grep -c "^[^,]*,$1," "$recording" || true; else echo 0; fi
}

# wait_rows PORT N: waits (up to 30 s) for N rows of that port, while the
# program runs.
wait_rows() {
    tries=0
    until [ "$(rows "$1")" -ge "$2" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 600 ] && fail "fewer than $2 readings of port $1 recorded: $(cat "$recording")"
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
        sleep 0.05
    done
}

# Milliseconds on a monotonic-enough clock, for measuring intervals.
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# CPU time a process has used, in clock ticks (utime + stime).
cpu_ticks() {
    # The command name may hold spaces; fields count from after its ')'.
    sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Answers the error box and expects the program to end with status 1.
dismiss_and_expect_failure() {
    xdotool windowfocus --sync "$1" key Return
    wait_exit
    [ "$status" -eq 1 ] || fail "exit status $status, expected 1"
}

# Waits (up to 10 s) for the program to end; sets status.
wait_exit() {
    tries=0
    while kill -0 "$app_pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && fail "the program did not end"
        sleep 0.05
    done
    status=0
    wait "$app_pid" || status=$?
    app_pid=""
}
