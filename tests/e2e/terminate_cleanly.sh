#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary on a simulated counter ends cleanly on SIGTERM and on
# SIGINT (Ctrl-C): exit status 0, and the port's lock file is gone.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

start_x
start_simulator
lock="LCK..$(sed 's|^/dev/||; s|/|_|g' "$work/com1.device")"

for signal in TERM INT; do
    FREQCOUNTER_COM1="$work/com1" "$binary" 2>"$work/stderr" &
    app_pid=$!
    wait_window _NET_WM_WINDOW_TYPE_NORMAL >/dev/null || fail "the window did not open"
    [ -e "/var/lock/$lock" ] || [ -e "/tmp/$lock" ] || fail "no lock file $lock while the port is open"
    kill -"$signal" "$app_pid"
    wait_exit
    [ "$status" -eq 0 ] || fail "exit status $status after SIG$signal, expected 0"
    [ ! -e "/var/lock/$lock" ] && [ ! -e "/tmp/$lock" ] || fail "the lock file $lock was left behind after SIG$signal"
done
echo "PASS"
