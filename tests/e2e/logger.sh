#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The logger, end to end: the real binary with no window and no display,
# recording a simulated counter, watched from outside (its exit status,
# standard error and the recording).
# Usage: logger.sh BINARY SIMULATOR SCENARIO
set -eu
binary=$1
simulator=$2
scenario=$3
. "$(dirname "$0")/xsession.sh"
unset DISPLAY WAYLAND_DISPLAY
recording="$work/readings.csv"

# start_logger OPTION ...: the logger, recording, in the background.
start_logger() {
    "$binary" --no-window --record "$recording" "$@" 2>>"$work/stderr" &
    app_pid=$!
    children="$children $app_pid"
}

# wait_told TEXT: waits (up to 20 s) for the logger to say TEXT.
wait_told() {
    tries=0
    until grep -q -- "$1" "$work/stderr"; do
        tries=$((tries + 1))
        [ "$tries" -gt 400 ] && fail "the logger did not say '$1'"
        kill -0 "$app_pid" 2>/dev/null || fail "the logger ended"
        sleep 0.05
    done
}

# The file reads back whole: every line ended, every row four fields (the
# last line alone may be torn when torn is given).
expect_whole() {
    lines=$(wc -l <"$recording")
    unended=$(tail -c 1 "$recording" | od -An -c | tr -d ' ')
    if [ "$unended" != '\n' ] && [ "${1:-}" != torn ]; then
        fail "the last line is torn: $(tail -c 80 "$recording")"
    fi
    bad=$(head -n "$lines" "$recording" | tr -d '\r' \
        | awk -F, 'NR > 1 && (NF != 4 || $1 !~ /^20[0-9][0-9]-/) { print NR ": " $0 }')
    [ -z "$bad" ] || fail "rows that do not read back: $bad"
}

# stop_logger: SIGTERM ends it with status 0.
stop_logger() {
    kill -TERM "$app_pid"
    wait_exit
    [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM, expected 0"
}

# The seconds between the last row before $1 and the row after it.
gap_after_row() {
    sed -n "$1p;$(($1 + 1))p" "$recording" | cut -d, -f1 | cut -c12-19 \
        | awk -F: '{ t = $1 * 3600 + $2 * 60 + $3; if (NR == 2) print t - p; p = t }'
}

# lose_counter: once three readings are in, the counter goes; the logger
# says it waits, and two seconds pass.
lose_counter() {
    wait_rows 1 3
    kill "$sim_pid"
    wait "$sim_pid" 2>/dev/null || true
    wait_told "Waiting for it to come back"
    before=$(rows 1)
    sleep 2
}

# expect_back_after_gap: the logger says the counter is back and records
# again; the file is whole, with a gap of two seconds at least.
expect_back_after_gap() {
    wait_told "is back after"
    wait_rows 1 $((before + 3))
    stop_logger
    expect_whole
    gap=$(gap_after_row $((before + 1)))
    [ "$(echo "$gap" | awk '{ print ($1 >= 2) }')" -eq 1 ] || fail "no gap of 2 s in the recording: $gap s"
}

case $scenario in
no_display)
    start_simulator --interval 100
    start_logger --com1 "$work/com1"
    wait_rows 1 5
    wait_told "Port 1 ($work/com1) is open"
    stop_logger
    expect_whole
    # Nothing torn, and every reading is the simulator's.
    [ "$(sed -n 2p "$recording" | cut -d, -f2,3)" = "1,$work/com1" ] || fail "row: $(sed -n 2p "$recording")"
    ;;
two_ports)
    # Both ports at once, each row naming its own.
    start_simulator --name com1 --interval 100
    start_simulator --name com2 --frequency 433.92 --interval 100
    start_logger --com1 "$work/com1" --com2 "$work/com2"
    wait_rows 1 3
    wait_rows 2 3
    stop_logger
    expect_whole
    ;;
pty_back)
    start_simulator --interval 100
    start_logger --com1 "$work/com1"
    lose_counter
    # Back at the same path, on another pseudo-terminal.
    rm -f "$work/com1"
    start_simulator --interval 100
    expect_back_after_gap
    [ "$(grep -c 'Waiting for it' "$work/stderr")" -eq 1 ] || fail "the wait was told more than once"
    ;;
tcp_back)
    start_network_counter --interval 100
    start_logger --com1 "$address"
    lose_counter
    rm -f "$work/address"
    "$simulator" --listen "${address##*:}" --interval 100 >"$work/address" &
    wait_address $!
    expect_back_after_gap
    ;;
killed)
    # Killed in the middle of its writing, and started again: the file reads
    # back, at most one line torn, and the next run goes on after it.
    start_simulator --interval 10
    start_logger --com1 "$work/com1"
    wait_rows 1 20
    kill -KILL "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    expect_whole torn
    before=$(rows 1)
    start_logger --com1 "$work/com1"
    wait_rows 1 $((before + 5))
    stop_logger
    expect_whole
    ;;
served)
    # One logger serves its readings; a second reads them as a counter on
    # the network and records them: the same readings, as sent.
    start_simulator --interval 100
    free_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    start_logger --com1 "$work/com1" --serve "$free_port"
    wait_told "Serving the readings on tcp://"
    served=$(grep -o 'tcp://[0-9.]*:[0-9]*' "$work/stderr" | head -n 1)
    first=$app_pid
    first_recording=$recording
    recording="$work/served.csv"
    "$binary" --no-window --com1 "$served" --record "$recording" 2>"$work/stderr2" &
    app_pid=$!
    children="$children $app_pid"
    wait_rows 1 5
    stop_logger
    app_pid=$first
    recording=$first_recording
    stop_logger
    # Each reading the second recorded is one the first recorded.
    cut -d, -f4 "$work/served.csv" | sed 1d | tr -d '\r' | sort >"$work/second"
    cut -d, -f4 "$recording" | sed 1d | tr -d '\r' | sort >"$work/first"
    [ -z "$(comm -23 "$work/second" "$work/first")" ] || fail "served readings that were never read: $(comm -23 "$work/second" "$work/first")"
    grep -q "client 127.0.0.1" "$work/stderr" || fail "the client was not told of"
    ;;
no_file)
    # A file that cannot be had ends it at once, with status 1 and why.
    start_simulator
    "$binary" --no-window --com1 "$work/com1" --record "$work/none/readings.csv" 2>"$work/stderr" &
    app_pid=$!
    wait_exit
    [ "$status" -eq 1 ] || fail "exit status $status, expected 1"
    grep -q "could not be opened" "$work/stderr" || fail "the failure was not told"
    ;;
*)
    fail "no scenario $scenario"
    ;;
esac
echo "PASS"
