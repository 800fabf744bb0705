#!/bin/sh
# The real binary on a simulated counter: the window opens; when the counter's
# line hangs up, one error box appears, and dismissing it ends the program
# with status 1.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

start_x
start_simulator --interval 100

FREQCOUNTER_COM1="$work/com1" "$binary" 2>"$work/stderr" &
app_pid=$!
main=$(wait_window _NET_WM_WINDOW_TYPE_NORMAL) || fail "the window did not open"
geometry=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "249x83" ] || fail "the window's client area is $geometry, expected 249x83"

kill "$sim_pid"
wait "$sim_pid" || fail "the simulator did not stop cleanly"
sim_pid=""

box=$(wait_window _NET_WM_WINDOW_TYPE_DIALOG) || fail "no error box appeared"
[ "$(visible_windows | wc -l)" -eq 2 ] || fail "not exactly the window and one error box are shown"
dismiss_and_expect_failure "$box"
[ "$(grep -c 'Error 8020' "$work/stderr")" -eq 1 ] || fail "the loss was not reported exactly once"
echo "PASS"
