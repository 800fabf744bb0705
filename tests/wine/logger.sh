#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The logger under Wine, with no window and no display: a simulated counter
# on a pseudo-terminal that the prefix's COM5 names, recorded with
# --no-window --com1 COM5 --record. Every row names COM5 and holds a reading
# the counter sent, whole.
# Usage: logger.sh FREQCOUNTER.EXE SIMULATOR (WINEPREFIX and WINEPATH set)
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/../e2e/xsession.sh"
. "$(dirname "$0")/ports.sh"
export LC_ALL=C.UTF-8
unset DISPLAY

wineserver --kill 2>/dev/null || true
start_simulator --name com5 --frequency 10 --interval 100 --log "$work/com5.sent"
register_ports COM5 "$(cat "$work/com5.device")"
recording="$WINEPREFIX/drive_c/logger.csv"
rm -f "$recording"
wine "$binary" --no-window --com1 COM5 --record 'C:\logger.csv' 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_rows 1 10
grep -q 'Port 1 (COM5) is open' "$work/stderr" || fail "the logger did not say the port is open"
kill "$app_pid"
wait_exit

head -n 1 "$recording" | grep -q '^time,port,device,reading' || fail "no header: $(head -n 1 "$recording")"
bad=$(tr -d '\r' <"$recording" | awk -F, 'NR == FNR { sent[$0] = 1; next }
    FNR > 1 && (NF != 4 || $3 != "COM5" || !($4 in sent)) { print FNR ": " $0 }' "$work/com5.sent" -)
[ -z "$bad" ] || fail "rows that are not COM5's readings: $bad"
echo "recorded under Wine with no window: $(rows 1) rows from COM5"
echo "PASS"
