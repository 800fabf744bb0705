#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Readings under Wine, end to end: two simulated counters on pseudo-terminals
# that the prefix's COM5 and COM6 name, the Windows program started with
# --com1 COM5 --line1 9600/8n1 --com2 COM6 --record into a folder with a
# non-ASCII name, and
# switched to Com2 with the keyboard. The recording, read back, holds each
# counter's readings as it sent them, whole and in order: COM5's, then
# COM6's.
# Usage: readings.sh FREQCOUNTER.EXE SIMULATOR (WINEPREFIX and WINEPATH set)
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/../e2e/xsession.sh"
. "$(dirname "$0")/ports.sh"
# Wine reads the command line in the terminal's character set.
export LC_ALL=C.UTF-8

# in_order PORT DEVICE LOG: the port's rows name the device, and their
# readings are readings the counter sent, one after the other, none missed.
in_order() {
    awk -F, -v port="$1" -v device="$2" '
        { sub(/\r$/, "") }
        NR == FNR { sent[++sent_count] = $0; next }
        FNR > 1 && $2 == port {
            if ($3 != device) { print "device " $3 " for port " port; bad = 1; exit }
            got[++got_count] = $4
        }
        END {
            if (bad) exit 1
            if (got_count == 0) { print "no rows"; exit 1 }
            for (start = 1; start + got_count - 1 <= sent_count; start++) {
                for (i = 1; i <= got_count && got[i] == sent[start + i - 1]; i++) ;
                if (i > got_count) exit 0
            }
            print "the " got_count " readings recorded are not a run of the " sent_count " sent"
            exit 1
        }' "$3" "$recording"
}

start_x
# A Wine server that is still up draws on the display it started with.
wineserver --kill 2>/dev/null || true
start_simulator --name com5 --frequency 145.2 --interval 200 --line 9600/8n1 --log "$work/com5.sent"
start_simulator --name com6 --frequency 433.92 --interval 200 --log "$work/com6.sent"
register_ports COM5 "$(cat "$work/com5.device")" COM6 "$(cat "$work/com6.device")"

folder="$WINEPREFIX/drive_c/Μετρήσεις 读数"
rm -rf "$folder"
mkdir -p "$folder"
recording="$folder/readings.csv"
wine "$binary" --com1 COM5 --line1 9600/8n1 --com2 COM6 --record 'C:\Μετρήσεις 读数\readings.csv' 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
TITLE="$TITLE — recording"
tries=0
until window=$(visible_windows | head -n 1) && [ -n "$window" ]; do
    tries=$((tries + 1))
    [ "$tries" -gt 600 ] && fail "the window did not open"
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
    sleep 0.05
done

wait_rows 1 10
choose_com2 "$window"
wait_rows 2 10
kill "$app_pid"
wait_exit

head -n 1 "$recording" | grep -q '^time,port,device,reading' || fail "no header: $(head -n 1 "$recording")"
awk -F, 'NR > 1 && $2 == 2 { seen2 = 1 } NR > 1 && $2 == 1 && seen2 { bad = 1 }
         NR > 1 && $2 != 1 && $2 != 2 { bad = 1 } END { exit bad }' "$recording" \
    || fail "the recording is not COM5's rows, then COM6's: $(cat "$recording")"
problem=$(in_order 1 COM5 "$work/com5.sent") || fail "COM5's rows: $problem"
problem=$(in_order 2 COM6 "$work/com6.sent") || fail "COM6's rows: $problem"
cat "$recording"
echo "recorded under Wine: $(rows 1) rows from COM5 ($(awk -F, '$2 == 1 { print $4; exit }' "$recording") ...), $(rows 2) from COM6 ($(awk -F, '$2 == 2 { print $4; exit }' "$recording") ...)"
echo "PASS"
