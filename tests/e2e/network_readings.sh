#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Readings from a counter on the network, end to end: a small TCP server of
# the test's own sends as a network adapter or a retransmission would, and
# the recording says what the program made of it. A line split by a pause is
# one reading; lines that arrive together are stamped together; what came
# just before the peer closed is recorded before the error is told.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"
command -v python3 >/dev/null 2>&1 || { echo "SKIP: python3 is not installed"; exit 77; }

# serve STEP ...: a server on the loopback address that takes one connection
# and does the steps: send:TEXT (\r and \n stand for CR and LF), pause:S, or
# close; it keeps the connection open after the last. Its address is in
# $address.
serve() {
    rm -f "$work/address"
    python3 - "$@" >"$work/address" <<'PY' &
import socket, sys, time
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(1)
print("tcp://127.0.0.1:%d" % server.getsockname()[1], flush=True)
peer, _ = server.accept()
peer.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
for step in sys.argv[1:]:
    kind, _, value = step.partition(":")
    if kind == "send":
        peer.sendall(value.replace("\\r", "\r").replace("\\n", "\n").encode())
    elif kind == "pause":
        time.sleep(float(value))
    elif kind == "close":
        peer.close()
        break
time.sleep(60)
PY
    wait_address $!
}

# The program on that server, recording; the server's first step waits out
# the program's first quiet poll, after which readings arrive whole.
start_recording() {
    recording="$work/readings-$1.csv"
    shift
    "$binary" --com1 "$address" --record "$recording" "$@" 2>"$work/stderr" &
    app_pid=$!
    children="$children $app_pid"
}

start_x

# A line split by a pause of 250 ms.
serve pause:1 send:17.80 pause:0.25 'send:0012\r\n' 'send:17.800013\r\n'
start_recording split
wait_rows 1 2
readings=$(sed -n '2,3p' "$recording" | tr -d '\r' | cut -d, -f4 | tr '\n' ' ')
[ "$readings" = "17.800012 17.800013 " ] || fail "a split line was recorded as: $readings"
kill "$app_pid" && wait_exit
kill "$sim_pid"

# Three lines in one segment, on a port whose line settings are slow: they
# arrived together, so they are stamped together.
serve pause:1 'send:145.1\r\n145.2\r\n145.3\r\n'
start_recording together --line1 1200/8n1
wait_rows 1 3
spread=$(sed -n '2,4p' "$recording" | cut -d, -f1 | sed 's/.*T//; s/[+-][0-9:]*$//' |
    awk -F: '{ ms = ($1 * 3600 + $2 * 60 + $3) * 1000; if (NR == 1) first = ms; last = ms }
             END { printf "%d", last - first }')
[ "$spread" -le 5 ] || fail "three lines of one segment were stamped $spread ms apart"
kill "$app_pid" && wait_exit
kill "$sim_pid"

# A reading, and at once the peer closes: the reading is recorded, then the
# loss is told.
serve pause:1 'send:10.000009\r\n' close
start_recording closed
box=$(wait_window _NET_WM_WINDOW_TYPE_DIALOG) || fail "no error box appeared"
grep -q "Error 8020: Network port 1 ($address) was lost while open" "$work/stderr" ||
    fail "the loss was not told"
[ "$(rows 1)" -eq 1 ] && tr -d '\r' <"$recording" | grep -q ',10.000009$' ||
    fail "the reading before the close was not recorded: $(cat "$recording")"
dismiss_and_expect_failure "$box"
echo "PASS"
