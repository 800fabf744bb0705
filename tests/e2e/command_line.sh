#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line of the real binary: --help, --version and --list-ports
# answer on standard output and exit 0, and every mistake prints the usage on
# standard error and exits 2, all with no display at all; --com1 names the
# device over FREQCOUNTER_COM1; --line1 sets the line's speed, and readings
# come through at 9600 and 115200 baud; Qt's own options keep working.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

# run EXPECTED-STATUS ARGUMENTS...: runs the program with no display, output
# in $work/out and $work/err.
run() {
    expected=$1
    shift
    got=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$binary" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$expected" ] || fail "'$*' exited $got, expected $expected: $(cat "$work/err")"
}

for option in --help -h; do
    run 0 "$option"
    grep -q '^Usage: freqcounter' "$work/out" || fail "$option prints no usage"
    grep -q 'FREQCOUNTER_COM1' "$work/out" || fail "$option does not say how to choose the device"
    grep -q -- '--com1 DEVICE' "$work/out" || fail "$option does not name --com1"
    [ ! -s "$work/err" ] || fail "$option wrote to standard error"
done
for option in --version -v; do
    run 0 "$option"
    grep -qx 'freqcounter [0-9][0-9.]*' "$work/out" || fail "$option prints '$(cat "$work/out")'"
done

# Mistakes are answered before Qt would look for a display.
for mistake in --bogus stray-word -x --com1 --com2= --record -platform; do
    run 2 "$mistake"
    case "$mistake" in
    --com*) grep -q "option '${mistake%=}' needs a device" "$work/err" ;;
    --record) grep -q "option '--record' needs a file" "$work/err" ;;
    -platform) grep -q "option '-platform' needs a value" "$work/err" ;;
    *) grep -q "unknown argument '$mistake'" "$work/err" ;;
    esac || fail "'$mistake' is not named as the mistake: $(cat "$work/err")"
    grep -q '^Usage: freqcounter' "$work/err" || fail "'$mistake' prints no usage"
    [ ! -s "$work/out" ] || fail "'$mistake' wrote to standard output"
done

# A nominal or tolerance that is none is named, before any display too.
for value in ten 0 -5MHz; do
    run 2 --nominal "$value"
    grep -q "option '--nominal': '$value' is no frequency above 0" "$work/err" \
        || fail "--nominal $value is not named: $(cat "$work/err")"
done
run 2 --nominal 10MHz --tolerance 1%
grep -q "option '--tolerance': '1%' is no tolerance" "$work/err" || fail "--tolerance 1% is not named"

# Counter math that is none is named: a factor of 0, an offset with no unit.
run 2 --scale 0
grep -q "option '--scale': '0' is no factor" "$work/err" || fail "--scale 0 is not named"
run 2 --offset -10.7
grep -q "option '--offset': '-10.7' is no frequency with its unit" "$work/err" \
    || fail "--offset -10.7 is not named: $(cat "$work/err")"

# A unit or an answer time that is none is named too.
run 2 --unit1 GHz
grep -q "option '--unit1': 'GHz' is no unit a counter reads in; give Hz, kHz or MHz, or for" "$work/err" \
    || fail "--unit1 GHz is not named: $(cat "$work/err")"
run 2 --timeout2 0
grep -q "option '--timeout2': '0' is no time an answer may take" "$work/err" \
    || fail "--timeout2 0 is not named: $(cat "$work/err")"

# A line setting that is none is named, with the form it must take.
for value in 9600 9600/9n1 9600/8x1 9600/8n3 fast/8n1 10/8n1 9600/8n1/cts; do
    run 2 --line1 "$value"
    grep -q "option '--line1': '$value' is no line setting; give BAUD/FORMAT\[/FLOW\]" "$work/err" \
        || fail "--line1 $value is not named: $(cat "$work/err")"
done
run 2 --line2
grep -q "option '--line2' needs the line's settings" "$work/err" || fail "--line2 without a value"

# The ports found, and which of them the buttons take: here Com1 by option
# and Com2 by variable, neither of them a port the system enumerates.
FREQCOUNTER_COM2=/dev/freqcounter-com2 run 0 --com1 /dev/freqcounter-com1 --list-ports
grep -q '^DEVICE  *STABLE NAME  *DESCRIPTION  *MANUFACTURER  *BUTTON$' "$work/out" \
    || fail "--list-ports has no header: $(cat "$work/out")"
grep -q '^/dev/freqcounter-com1 .* Com1$' "$work/out" || fail "--list-ports: Com1 is not the --com1 device"
grep -q '^/dev/freqcounter-com2 .* Com2$' "$work/out" || fail "--list-ports: Com2 is not the variable's device"

# --com1 wins over the variable, which names no device here; a Qt option
# is Qt's. The program runs, and ends cleanly on SIGTERM.
start_x
start_simulator
FREQCOUNTER_COM1=/dev/freqcounter-no-such-port "$binary" --com1 "$work/com1" -style Fusion \
    2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_window _NET_WM_WINDOW_TYPE_NORMAL >/dev/null \
    || fail "with --com1 and -style Fusion the window did not open: $(cat "$work/stderr")"
kill "$app_pid"
wait_exit
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"

# Faster lines: every reading the counter sent is recorded as it was sent.
for line in 9600/8n1 115200/8n2/rtscts; do
    kill "$sim_pid" 2>/dev/null || true
    rm -f "$work/sent" "$work/readings.csv"
    start_simulator --line "$line" --interval 50 --count 20 --log "$work/sent"
    recording="$work/readings.csv"
    "$binary" --com1 "$work/com1" --line1 "$line" --record "$recording" 2>"$work/stderr" &
    app_pid=$!
    children="$children $app_pid"
    wait_rows 1 5
    kill "$app_pid"
    wait_exit
    [ "$status" -eq 0 ] || fail "at $line: exit status $status after SIGTERM"
    cut -d, -f4 "$recording" | tr -d '\r' | grep -v '^reading$' >"$work/got"
    [ "$(grep -cvxFf "$work/sent" "$work/got")" -eq 0 ] \
        || fail "at $line the readings recorded are not those sent: $(cat "$work/got")"
done

# A counter that must be asked, answering in Hz and leaving every fourth
# question unanswered: each answer is recorded as sent, with its unit; a
# dropped one is asked again, and is no reading and no error.
kill "$sim_pid" 2>/dev/null || true
rm -f "$work/sent" "$work/readings.csv"
start_simulator --query --drop-every 4 --line 115200/8n1 --log "$work/sent"
"$binary" --com1 "$work/com1" --line1 115200/8n1 --setup1 '*RST' --query1 'READ?' --unit1 Hz \
    --timeout1 0.3 --record "$recording" 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_rows 1 8
kill "$app_pid"
wait_exit
[ "$status" -eq 0 ] || fail "asked: exit status $status after SIGTERM"
cut -d, -f4 "$recording" | tr -d '\r' | grep -v '^reading$' >"$work/got"
grep -qvx '+[0-9.]*E+08 Hz' "$work/got" && fail "asked: not every reading is in Hz: $(cat "$work/got")"
sed 's/ Hz$//' "$work/got" >"$work/got.bare"
[ "$(grep -cvxFf "$work/sent" "$work/got.bare")" -eq 0 ] \
    || fail "asked: the readings recorded are not those answered: $(cat "$work/got")"

# The same counter on the network: named by its address, asked the same way.
kill "$sim_pid" 2>/dev/null || true
rm -f "$work/sent" "$work/readings.csv"
start_network_counter --query --log "$work/sent"
"$binary" --com1 "$address" --query1 'READ?' --unit1 Hz --record "$recording" 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_rows 1 5
kill "$app_pid"
wait_exit
[ "$status" -eq 0 ] || fail "on the network: exit status $status after SIGTERM"
grep -q ",1,$address,+[0-9.]*E+08 Hz" "$recording" || fail "on the network: $(cat "$recording")"
cut -d, -f4 "$recording" | tr -d '\r' | grep -v '^reading$' | sed 's/ Hz$//' >"$work/got"
[ "$(grep -cvxFf "$work/sent" "$work/got")" -eq 0 ] \
    || fail "on the network: the readings recorded are not those answered: $(cat "$work/got")"

# An address that is none is a usage error.
run 2 --com2 tcp://counter.lab
grep -q "option '--com2': 'tcp://counter.lab' is no network address; give tcp://HOST:PORT" \
    "$work/err" || fail "a malformed address is not named: $(cat "$work/err")"
echo "PASS"
