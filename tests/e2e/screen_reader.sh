#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader reads of the real binary over the accessibility bus,
# with no mouse over it: from the moment the window opens, each button's
# description names the device it stands for, and the display's name is the
# reading and its description the offset from the nominal, within the
# tolerance; after a keyboard user chooses Com2, still, and the offset is
# outside; and once Com2's counter goes, with Reconnect When Lost on, the
# display reads "Waiting" and its description says what for.
# Usage: screen_reader.sh PROGRAM SIMULATOR
set -u
program=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"
on_accessibility_bus "$@"

# read_out [PATTERN]: prints what the bus says of the program's window, a
# line per item: role, name and description, tab-separated; waits (up to
# 10 s) for the program to appear there with a label line that matches the
# pattern (a Python regular expression; a reading unless given).
read_out() {
    "$python" - "${1:- MHz\t}" <<'PYTHON'
import re, sys, time
import pyatspi
deadline = time.monotonic() + 10
while time.monotonic() < deadline:
    lines = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "freqcounter":
            continue
        for window in app:
            for item in window:
                lines.append("\t".join([item.getRoleName(), item.name, item.description]))
    if any(line.startswith("label\t") and re.search(sys.argv[1], line) for line in lines):
        print("\n".join(lines))
        sys.exit(0)
    time.sleep(0.1)
sys.exit("the program's window is not on the accessibility bus")
PYTHON
}

start_for_a_screen_reader

read_out >"$work/start" || fail "nothing read at start"
grep -qx "radio button	Com1	$work/com1" "$work/start" \
    || fail "at start Com1 does not name its device: $(cat "$work/start")"
grep -qx "radio button	Com2	$work/com2" "$work/start" \
    || fail "at start Com2 does not name its device: $(cat "$work/start")"
offset='Offset from 145.2 MHz: [+-][0-9.]* Hz [+-][0-9.]* pp[mb]'
grep -q "^label	14[45]\.[0-9]* MHz	$offset, within ±1000 ppm\$" "$work/start" \
    || fail "the display reads: $(cat "$work/start")"

choose_com2 "$main"
tries=0
until read_out >"$work/com2.read" && grep -q '^label	43[34]\.[0-9]* MHz	' "$work/com2.read"; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && fail "Com2's reading never came: $(cat "$work/com2.read")"
    sleep 0.1
done
grep -qx "radio button	Com2	$work/com2" "$work/com2.read" \
    || fail "on Com2 its description is lost: $(cat "$work/com2.read")"
grep -q "^label	43[34]\.[0-9]* MHz	$offset, outside ±1000 ppm\$" "$work/com2.read" \
    || fail "on Com2 the display is not said to be outside: $(cat "$work/com2.read")"
kill "$sim_pid"
read_out '^label\tWaiting\tWaiting for port 2 ' >"$work/lost.read" \
    || fail "the wait is not read: $(cat "$work/lost.read")"
grep -q "^label	Waiting	Waiting for port 2 ($work/com2) to come back\. Serial port 2 ($work/com2) was lost" "$work/lost.read" \
    || fail "the wait reads: $(cat "$work/lost.read")"
kill "$app_pid"
wait_exit

# A time-interval counter: the display reads the interval in ns, with no
# offset from a nominal, and the recording keeps each as sent, in seconds.
start_simulator --name ti --time-interval --interval 100
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --com1 "$work/ti" --unit1 s --nominal 145.2MHz \
    --record "$work/ti.csv" 2>"$work/stderr" &
app_pid=$!
read_out ' ns\t' >"$work/ti.read" || fail "no interval is read: $(cat "$work/ti.read")"
grep -Eq '^label	(199|200)\.[0-9]{6,} ns	$' "$work/ti.read" \
    || fail "the time interval reads: $(grep '^label' "$work/ti.read")"
recording="$work/ti.csv"
wait_rows 1 2
grep -Eq '^[^,]*,1,[^,]*,\+[12]\.[0-9]{11}E-07 s.?$' "$work/ti.csv" \
    || fail "the recording keeps: $(head -n 3 "$work/ti.csv")"
kill "$app_pid"
wait_exit
echo "PASS"
