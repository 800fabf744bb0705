#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine: the command line, a start on COM1 (a
# pseudo-terminal fed by the simulated counter, which Wine's COM1 names) that
# opens the window and no error box, and a missing port that ends in the
# error box and exit status 1. Readings are readings.sh's part.
# Usage: wine.sh FREQCOUNTER.EXE SIMULATOR (WINEPREFIX and WINEPATH set)
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/../e2e/xsession.sh"
command -v wine >/dev/null 2>&1 || { echo "SKIP: wine is not installed"; exit 77; }
[ -n "${WINEPREFIX:-}" ] || fail "WINEPREFIX is not set"

# run EXPECTED-STATUS ARGUMENTS...: output in $work/out and $work/err.
run() {
    expected=$1
    shift
    got=0
    wine "$binary" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$expected" ] || fail "'$*' exited $got, expected $expected: $(cat "$work/err")"
}

run 0 --version
grep -q '^freqcounter [0-9][0-9.]*' "$work/out" || fail "--version prints '$(cat "$work/out")'"
run 0 --help
grep -q '^Usage: freqcounter' "$work/out" || fail "--help prints no usage"
run 2 --bogus
grep -q "unknown argument '--bogus'" "$work/err" || fail "--bogus is not named as the mistake"

# wait_titled COUNT: waits (up to 20 s) until the program has COUNT visible
# windows titled like it.
wait_titled() {
    tries=0
    until [ "$(visible_windows | wc -l)" -ge "$1" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 400 ] && return 1
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.05
    done
}

start_x
# A Wine server that is still up draws on the display it started with.
wineserver --kill 2>/dev/null || true
start_simulator
ln -sfn "$(cat "$work/com1.device")" "$WINEPREFIX/dosdevices/com1"
wine "$binary" 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_titled 1 || fail "on COM1 the window did not open"
# A start-up that fails shows the error box alone, never the main window:
# the window of the main window's size means the port opened.
window=$(visible_windows | head -n 1)
xwininfo -id "$window" | grep -q -- '-geometry 249x83' \
    || fail "the window shown is not the main window: $(xwininfo -id "$window" | grep geometry)"
kill "$app_pid"
wait_exit

FREQCOUNTER_COM1=COM9 wine "$binary" 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_titled 1 || fail "no error box for a missing COM9"
box=$(visible_windows | head -n 1)
dismiss_and_expect_failure "$box"
grep -q 'Error 8001: Serial port 1 (COM9)' "$work/stderr" || fail "the error does not name COM9: $(cat "$work/stderr")"
wineserver --kill 2>/dev/null || true
echo "PASS"
