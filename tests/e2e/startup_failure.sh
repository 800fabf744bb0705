#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary with COM1 pointing at a device that does not exist: the
# error box appears, the main window never does, the error goes to standard
# error too, and dismissing the box ends the program with status 1; so does
# SIGTERM or SIGINT while the box is up.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

start_x
missing="$work/no-such-port"
FREQCOUNTER_COM1="$missing" "$binary" 2>"$work/stderr" &
app_pid=$!

box=$(wait_window _NET_WM_WINDOW_TYPE_DIALOG) || fail "no error box appeared"
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "more than the error box is shown"

dismiss_and_expect_failure "$box"
grep -q "Error 8001: Serial port 1 ($missing) does not exist" "$work/stderr" \
    || fail "standard error does not name the error and the device"
[ "$(grep -c 'Error 8001' "$work/stderr")" -eq 1 ] || fail "the error was reported more than once"

for signal in TERM INT; do
    FREQCOUNTER_COM1="$missing" "$binary" 2>"$work/stderr" &
    app_pid=$!
    wait_window _NET_WM_WINDOW_TYPE_DIALOG >/dev/null || fail "no error box appeared"
    kill -"$signal" "$app_pid"
    wait_exit
    [ "$status" -eq 1 ] || fail "exit status $status after SIG$signal at the box, expected 1"
done
echo "PASS"
