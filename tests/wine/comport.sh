#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# tst_comport under Wine: a simulated counter sends on a pseudo-terminal that
# the prefix's COM7 names; when the test asks for it, the counter is stopped,
# so that the test sees the device go.
# Usage: comport.sh TST_COMPORT.EXE SIMULATOR (WINEPREFIX and WINEPATH set)
set -eu
test_program=$1
simulator=$2
. "$(dirname "$0")/../e2e/xsession.sh"
. "$(dirname "$0")/ports.sh"

start_simulator --name com7 --interval 100 --log "$work/sent.txt"
register_ports COM7 "$(cat "$work/com7.device")"

FREQCOUNTER_TEST_PORT=COM7 FREQCOUNTER_TEST_DIR=$(windows_path "$work") \
    wine "$test_program" -o "$(windows_path "$work/result.txt"),txt" >/dev/null 2>&1 &
app_pid=$!
tries=0
until [ -e "$work/stop-sender" ]; do
    tries=$((tries + 1))
    kill -0 "$app_pid" 2>/dev/null || break
    [ "$tries" -gt 1200 ] && fail "the test never asked for the sender to go"
    sleep 0.05
done
kill "$sim_pid" 2>/dev/null || true
wait "$sim_pid" 2>/dev/null || true
: >"$work/sender-gone"
status=0
wait "$app_pid" || status=$?
app_pid=""
cat "$work/result.txt" 2>/dev/null || fail "no result from the test"
[ "$status" -eq 0 ] || exit "$status"
# Skipped is not passed: each test function must have run.
for function in countAndReadTakeWhatTheDriverHolds lossIsRaisedAtOnce; do
    grep -q "^PASS   : TestComPort::$function()" "$work/result.txt" || fail "$function did not run"
done
