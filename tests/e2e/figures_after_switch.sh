#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary records readings on Com1, is switched to Com2, and saves
# the history's figures for analysis: they are Com2's readings alone, every
# one of them, and the recording holds both ports' readings in order.
# Usage: figures_after_switch.sh PROGRAM SIMULATOR
set -u
program=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"
TITLE="$TITLE — recording"

recording="$work/readings.csv"

start_x
start_simulator --name com1 --frequency 145.2 --interval 100
start_simulator --name com2 --frequency 433.92 --interval 100
"$program" --com1 "$work/com1" --com2 "$work/com2" --record "$recording" 2>"$work/stderr" &
app_pid=$!
main=$(wait_window _NET_WM_WINDOW_TYPE_NORMAL) || fail "the window did not open"

wait_rows 1 10
choose_com2 "$main"
wait_rows 2 10

xdotool windowfocus --sync "$main" key ctrl+h
history=$(wait_titled ' History$') || fail "the history window did not open"
xdotool windowfocus --sync "$history" key ctrl+s
dialog=$(wait_titled '^Save for Analysis$') || fail "the file dialog did not open"
xdotool windowfocus --sync "$dialog" key ctrl+a type "$work/analysis.txt"
xdotool key Return
# The file dialog's list of completions, shown late on a slow build, can
# take a Return for itself: while the dialog stays open, Return is pressed
# again, every two seconds.
tries=0
until [ -s "$work/analysis.txt" ]; do
    tries=$((tries + 1))
    [ "$tries" -gt 400 ] && fail "nothing was saved for analysis"
    if [ $((tries % 40)) -eq 0 ] \
        && xdotool search --onlyvisible --pid "$app_pid" --name '^Save for Analysis$' >/dev/null 2>&1; then
        xdotool windowfocus --sync "$dialog" key Return 2>/dev/null || true
    fi
    sleep 0.05
done

# Com2's figures, headed by its port and device; one frequency in Hz a line.
com2_device=$(cat "$work/com2.device")
grep -q "^# port: Com2 ($work/com2)\$" "$work/analysis.txt" \
    || grep -q "^# port: Com2 ($com2_device)\$" "$work/analysis.txt" \
    || fail "the figures do not say they are Com2's: $(head -3 "$work/analysis.txt")"
grep -q '^# tau0: ' "$work/analysis.txt" || fail "no interval in the header"
grep -q '^# mean frequency: 4339[0-9]*\.[0-9]* Hz$' "$work/analysis.txt" || fail "the mean is not Com2's"
# A line of 0 is an empty slot (a reading that came late), not a reading.
values=$(grep -v '^#' "$work/analysis.txt" | grep -vx 0)
[ "$(echo "$values" | wc -l)" -ge 10 ] || fail "fewer than 10 readings saved"
echo "$values" | awk '$1 < 433000000 || $1 > 435000000 { bad = 1 } END { exit bad }' \
    || fail "a reading not from Com2 among the figures: $(echo "$values" | head -3)"

# The recording: Com1's readings, then Com2's, each whole.
awk -F, 'NR > 1 && $2 == 2 { seen2 = 1 } NR > 1 && $2 == 1 && seen2 { bad = 1 }
         NR > 1 && $2 == 1 && ($4 < 144 || $4 > 147) { bad = 1 }
         NR > 1 && $2 == 2 && ($4 < 433 || $4 > 435) { bad = 1 } END { exit bad }' \
    "$recording" || fail "the recording is not Com1's readings, then Com2's"
echo "PASS"
