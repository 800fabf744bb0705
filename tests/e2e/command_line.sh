#!/bin/sh
# The command line of the real binary: --help and --version answer on
# standard output and exit 0, even with no display; anything else prints the
# usage on standard error and exits 2; Qt's own options keep working.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

# run EXPECTED-STATUS ARGUMENTS...: runs the program with no display, output
# in $work/out and $work/err.
run() {
    expected=$1
    shift
    got=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$binary" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$expected" ] || fail "'$*' exited $got, expected $expected: $(cat "$work/err")"
}

for option in --help -h; do
    run 0 "$option"
    grep -q '^Usage: freqcounter' "$work/out" || fail "$option prints no usage"
    grep -q 'FREQCOUNTER_COM1' "$work/out" || fail "$option does not say how to choose the device"
    [ ! -s "$work/err" ] || fail "$option wrote to standard error"
done
for option in --version -v; do
    run 0 "$option"
    grep -qx 'freqcounter [0-9][0-9.]*' "$work/out" || fail "$option prints '$(cat "$work/out")'"
done

# Mistakes: Qt needs a platform before the rest is looked at.
for mistake in --bogus stray-word -x; do
    run 2 -platform offscreen "$mistake"
    grep -q "unknown argument '$mistake'" "$work/err" || fail "'$mistake' is not named as the mistake"
    grep -q '^Usage: freqcounter' "$work/err" || fail "'$mistake' prints no usage"
    [ ! -s "$work/out" ] || fail "'$mistake' wrote to standard output"
done

# A Qt option alone is Qt's: the program runs, and ends cleanly on SIGTERM.
start_x
start_simulator
FREQCOUNTER_COM1="$work/com1" "$binary" -style Fusion 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
wait_window _NET_WM_WINDOW_TYPE_NORMAL >/dev/null || fail "with -style Fusion the window did not open"
kill "$app_pid"
wait_exit
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
echo "PASS"
