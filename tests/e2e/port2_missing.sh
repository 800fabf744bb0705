#!/bin/sh
# The real binary on a simulated counter on COM1, with COM2 pointing at a
# device that does not exist: clicking "Com2" shows one error box, and
# dismissing it ends the program with status 1.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

start_x
start_simulator

missing="$work/no-second-port"
FREQCOUNTER_COM1="$work/com1" FREQCOUNTER_COM2="$missing" "$binary" 2>"$work/stderr" &
app_pid=$!
main=$(wait_window _NET_WM_WINDOW_TYPE_NORMAL) || fail "the window did not open"

# "Com2" sits at 144,64 and is 57x17 pixels.
xdotool mousemove --window "$main" 152 72 click 1
box=$(wait_window _NET_WM_WINDOW_TYPE_DIALOG) || fail "no error box appeared"
[ "$(visible_windows | wc -l)" -eq 2 ] || fail "not exactly the window and one error box are shown"
dismiss_and_expect_failure "$box"
grep -q "Error 8001: Serial port 2 ($missing) does not exist" "$work/stderr" \
    || fail "standard error does not name the error, the port and the device"
[ "$(grep -c 'Error ' "$work/stderr")" -eq 1 ] || fail "more than one error was reported"
echo "PASS"
