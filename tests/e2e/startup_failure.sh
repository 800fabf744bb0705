#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary with COM1 pointing at a device that does not exist: the
# error box appears, the main window never does, the error goes to standard
# error too, and dismissing the box ends the program with status 1.
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
echo "PASS"
