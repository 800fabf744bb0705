#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A counter on the network under Wine: a simulated bench counter serving on
# the loopback address, asked for each reading, answering in Hz; the Windows
# program started with --com1 tcp://127.0.0.1:PORT --query1 READ? --unit1 Hz
# --record. The recording holds the counter's answers as it sent them, with
# their unit.
# Usage: network.sh FREQCOUNTER.EXE SIMULATOR (WINEPREFIX and WINEPATH set)
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/../e2e/xsession.sh"
command -v wine >/dev/null 2>&1 || { echo "SKIP: wine is not installed"; exit 77; }

start_x
wineserver --kill 2>/dev/null || true
start_network_counter --query --log "$work/sent"

recording="$WINEPREFIX/drive_c/network.csv"
rm -f "$recording"
wine "$binary" --com1 "$address" --query1 'READ?' --unit1 Hz --record 'C:\network.csv' \
    2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_rows 1 5
kill "$app_pid"
wait_exit
cut -d, -f4 "$recording" | tr -d '\r' | grep -v '^reading$' >"$work/got"
grep -qvx '+[0-9.]*E+08 Hz' "$work/got" && fail "not every reading is in Hz: $(cat "$work/got")"
sed 's/ Hz$//' "$work/got" | grep -cvxFf "$work/sent" >"$work/strangers" || true
[ "$(cat "$work/strangers")" -eq 0 ] || fail "the readings recorded are not those answered: $(cat "$work/got")"
echo "recorded under Wine from $address: $(wc -l <"$work/got") answers ($(head -n 1 "$work/got") ...)"
echo "PASS"
