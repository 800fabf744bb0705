#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A recording looked at again through the real binary: --stability prints
# its table as CSV with no display and exits 0, for every reading of a file
# past the million the live history keeps, of the last run where the counter
# math changed, telling of the rows it could not read; or names a file it
# cannot read, or that gives no figures, and exits 1; of two files, one
# table with the file each row is of; --plot draws its sigma-tau plot into a
# picture with no display, of two recordings on one plot; --view opens the
# history window for it, and only that, with no serial port present and no
# error; --three-cornered-hat parts three pairs' deviations among their
# oscillators.
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"

# A recording as the program writes it: 400 readings a second apart in
# Newfoundland's winter time, one of them an error code, one row torn.
recording="$work/bench recording.csv"
printf 'time,port,device,reading\r\n' >"$recording"
i=0
while [ "$i" -lt 400 ]; do
    minute=$((i / 60))
    second=$((i % 60))
    if [ "$i" -eq 200 ]; then
        reading="ERR 3"
    else
        reading=$(printf '10.000%04d' $(((i * 7919) % 97)))
    fi
    printf '2026-12-07T15:%02d:%02d.000-03:30,1,/dev/ttyUSB0,%s\r\n' "$minute" "$second" "$reading"
    i=$((i + 1))
done >>"$recording"
printf '2026-12-07T15:07:' >>"$recording"

env -u DISPLAY -u WAYLAND_DISPLAY "$binary" --stability "$recording" >"$work/table" 2>"$work/err" \
    || fail "--stability exited $?: $(cat "$work/err")"
[ "$(head -n 1 "$work/table" | tr -d '\r')" = "statistic,tau,terms,deviation,low,high,noise,edf" ] \
    || fail "--stability's header: $(head -n 1 "$work/table")"
grep -Fqx "freqcounter: $recording: 1 row could not be read, at line 402; it is left out." \
    "$work/err" || fail "the torn row is not told of: $(cat "$work/err")"
for statistic in adev oadev mdev ohdev tdev; do
    grep -q "^$statistic,1,[0-9]*,[0-9.e+-]*,[0-9.e+-]*,[0-9.e+-]*,[a-z ]*\(PM\|FM\),[0-9.]*" \
        "$work/table" || fail "--stability has no $statistic at 1 s: $(cat "$work/table")"
done
# The error code cuts the series: the terms at 1 s are those of 200 and 199
# readings (199 and 198), not of 399 in a row (398).
grep -q '^oadev,1,397,' "$work/table" || fail "a gap is read as data: $(grep '^oadev,1,' "$work/table")"

# Past the million readings the live history keeps: every one is analysed,
# ten a second for 33 hours.
awk 'BEGIN {
    printf "time,port,device,reading\r\n"
    for (i = 0; i < 1200000; i++) {
        t = i * 100; s = int(t / 1000); d = 7 + int(s / 86400); s = s % 86400
        printf "2026-12-%02dT%02d:%02d:%02d.%03dZ,1,/dev/ttyUSB0,10.0000%03d\r\n",
            d, int(s / 3600), int(s % 3600 / 60), s % 60, t % 1000, (i * 7919) % 997
    }
}' >"$work/long.csv"
env -u DISPLAY "$binary" --stability "$work/long.csv" >"$work/long table" 2>"$work/err" \
    || fail "--stability on 1,200,000 readings exited $?: $(cat "$work/err")"
grep -q '^oadev,0.1,1199999,' "$work/long table" \
    || fail "not every reading is analysed: $(grep '^oadev,0.1,' "$work/long table")"

# Counter math on: the shown column is the reading. The same deviations in
# Hz make fractional ones larger by the ratio of the means, 17.8 to 7.1 MHz.
for column in reading shown; do
    awk -v column="$column" 'BEGIN {
        printf "time,port,device,reading%s\r\n", column == "shown" ? ",shown" : ""
        for (i = 0; i < 400; i++) {
            r = (i * 7919) % 97
            printf "2026-12-07T15:%02d:%02d.000Z,1,/dev/ttyUSB0,17.800%03d", int(i / 60), i % 60, r
            if (column == "shown")
                printf ",7.100%03d", r
            printf "\r\n"
        }
    }' >"$work/$column.csv"
    env -u DISPLAY "$binary" --stability "$work/$column.csv" >"$work/$column table" \
        || fail "--stability on the $column column exited $?"
done
awk -F, '
    FNR == 1 { file++ }
    FNR > 1 && file <= 2 { sum[file] += $NF; n[file]++ }
    file > 2 && /^oadev,1,/ { dev[file - 2] = $4 }
    END {
        expected = (sum[1] / n[1]) / (sum[2] / n[2])
        got = dev[2] / dev[1]
        if (got / expected - 1 > 1e-5 || expected / got - 1 > 1e-5) {
            printf "shown deviations are %.7f times the counter'"'"'s, not %.7f\n", got, expected
            exit 1
        }
    }' "$work/reading.csv" "$work/shown.csv" "$work/reading table" "$work/shown table" \
    || fail "--stability does not use the shown column"

# Two counter maths, 100 readings each: the figures are the last run's
# alone, the same as of a file of its rows only (99 terms at 1 s, not 199).
for from in 0 100; do
    awk -v from="$from" 'BEGIN {
        printf "time,port,device,reading,shown,math\r\n"
        for (i = from; i < 200; i++) {
            r = (i * 7919) % 97
            printf "2026-12-07T15:%02d:%02d.000Z,1,/dev/ttyUSB0,", int(i / 60), i % 60
            if (i < 100)
                printf "17.800%03d,7.100%03d,LO − 10.7 MHz\r\n", r, r
            else
                printf "25.000%03d,1600.%06d,÷64 prescaler\r\n", r, 64 * r
        }
    }' >"$work/maths from $from.csv"
    env -u DISPLAY "$binary" --stability "$work/maths from $from.csv" >"$work/maths table $from" \
        2>"$work/err" || fail "--stability on two maths from $from exited $?: $(cat "$work/err")"
done
grep -q '^adev,1,99,' "$work/maths table 100" || fail "the last run: $(cat "$work/maths table 100")"
cmp -s "$work/maths table 0" "$work/maths table 100" \
    || fail "two maths are figured as one: $(diff "$work/maths table 0" "$work/maths table 100")"

# Rows that cannot be read are told of, how many and where the first is; the
# figures are the rest's, with status 0.
awk 'BEGIN {
    printf "time,port,device,reading\r\n"
    for (i = 0; i < 50; i++)
        printf "2026-12-07T15:00:%02d.000Z,1,/dev/ttyUSB0,10.000%03d\r\n", i, (i * 7919) % 97
    for (i = 0; i < 50; i++)
        printf "garbage %d\r\n", i
}' >"$work/readings.csv"
env -u DISPLAY "$binary" --stability "$work/readings.csv" >"$work/out" 2>"$work/err" \
    || fail "--stability with rows it cannot read exited $?: $(cat "$work/err")"
told="50 rows could not be read, the first at line 52; they are left out."
grep -Fqx "freqcounter: $work/readings.csv: $told" "$work/err" \
    || fail "the rows that could not be read: $(cat "$work/err")"
grep -q '^adev,1,49,' "$work/out" || fail "the figures of the rows read: $(cat "$work/out")"

status=0
env -u DISPLAY "$binary" --stability "$work/no such file.csv" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "--stability on a missing file exited $status"
grep -q "no such file.csv" "$work/err" || fail "the missing file is not named: $(cat "$work/err")"
printf 'time,port,device,reading\r\n2026-12-07T15:00:00.000Z,1,/dev/ttyUSB0,10\r\n' >"$work/one.csv"
status=0
env -u DISPLAY "$binary" --stability "$work/one.csv" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "--stability on one reading exited $status"
grep -q "one.csv: no stability figures: fewer than two readings are numbers" "$work/err" \
    || fail "one reading's reason: $(cat "$work/err")"

# Two recordings: one table, each row after the file it is of, the first's
# rows those of its own table; a file that cannot be read among them is
# told and fails the status, the others' rows printed still.
env -u DISPLAY "$binary" --stability "$recording" "$work/readings.csv" >"$work/both" \
    2>"$work/err" || fail "--stability of two exited $?: $(cat "$work/err")"
[ "$(head -n 1 "$work/both" | tr -d '\r')" = "recording,statistic,tau,terms,deviation,low,high,noise,edf" ] \
    || fail "--stability of two, header: $(head -n 1 "$work/both")"
grep -Fq "$recording,oadev,1,397," "$work/both" || fail "the first's rows: $(cat "$work/both")"
grep -Fq "$work/readings.csv,adev,1,49," "$work/both" || fail "the second's rows: $(cat "$work/both")"
[ "$(grep -c "^$recording," "$work/both")" -eq "$(($(wc -l <"$work/table") - 1))" ] \
    || fail "the first's rows are not its own table's"
status=0
env -u DISPLAY "$binary" --stability "$work/no such file.csv" "$work/readings.csv" >"$work/both" \
    2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "--stability with a missing file of two exited $status"
grep -q "no such file.csv" "$work/err" || fail "the missing one of two is not named: $(cat "$work/err")"
grep -Fq "$work/readings.csv,adev,1,49," "$work/both" \
    || fail "the readable one of two is not printed: $(cat "$work/both")"
status=0
env -u DISPLAY "$binary" --stability "$work/no such file.csv" "$work/one.csv" >"$work/both" \
    2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "--stability of two that cannot be read exited $status"
[ ! -s "$work/both" ] || fail "a table of none: $(cat "$work/both")"
# One oscillator pair as a time-interval counter reads it, its phase
# wrapping through 1 s after the first second, and as a frequency counter
# reads it: the same deviations.
awk 'BEGIN {
    printf "time,port,device,reading\r\n" >"'"$work/phase.csv"'"
    printf "time,port,device,reading\r\n" >"'"$work/frequency.csv"'"
    for (i = 0; i < 600; i++) {
        p[i] = (i * 7919) % 97
        x = 0.999999999 + i * 1e-9 + p[i] * 1e-12
        printf "2026-12-07T15:%02d:%02d.000Z,1,/dev/ttyUSB0,%.15f s\r\n", int(i / 60), i % 60,
            x - int(x) >"'"$work/phase.csv"'"
        if (i > 0)
            printf "2026-12-07T15:%02d:%02d.000Z,1,/dev/ttyUSB0,%.14f\r\n", int((i - 1) / 60),
                (i - 1) % 60, 10 * (1 + 1e-9 + (p[i] - p[i - 1]) * 1e-12) >"'"$work/frequency.csv"'"
    }
}'
env -u DISPLAY "$binary" --stability "$work/phase.csv" >"$work/phase table" \
    || fail "--stability of a phase recording exited $?"
env -u DISPLAY "$binary" --stability "$work/frequency.csv" >"$work/frequency table" \
    || fail "--stability of its frequencies exited $?"
for statistic in oadev mdev; do
    awk -F, -v s="$statistic" '
        FNR == 1 { file++ }
        $1 == s && ($2 == 1 || $2 == 10 || $2 == 100) { d[file, $2] = $4 }
        END {
            for (tau = 1; tau <= 100; tau *= 10)
                if (!d[1, tau] || (d[1, tau] / d[2, tau] - 1) ^ 2 > 1e-8) exit 1
        }' "$work/phase table" "$work/frequency table" \
        || fail "$statistic of the phase is not that of the frequency: $(grep "^$statistic," "$work/phase table" "$work/frequency table")"
done
grep -q '^drift Hz,' "$work/phase table" && fail "a phase recording's drift in hertz"

# The three-cornered hat of three pairs whose readings are one pattern
# times 10, 7 and 7: every deviation of A-B is 10/7 of B-C's and C-A's, so
# A's and B's are sqrt(50)/10 of A-B's, and C's estimate, (49 + 49 - 100) / 2
# of the pattern's variance, is negative: an upper limit at every τ.
for pair in 10:ab 7:bc 7:ca; do
    awk -v k="${pair%%:*}" 'BEGIN {
        printf "time,port,device,reading\r\n"
        for (i = 0; i < 400; i++)
            printf "2026-12-07T15:%02d:%02d.000Z,1,/dev/ttyUSB0,10.00%05d\r\n", int(i / 60),
                i % 60, k * ((i * 7919) % 97)
    }' >"$work/${pair#*:}.csv"
done
env -u DISPLAY "$binary" --stability "$work/ab.csv" >"$work/ab table" \
    || fail "--stability on the pair A-B exited $?"
env -u DISPLAY -u WAYLAND_DISPLAY "$binary" --three-cornered-hat "$work/ab.csv" "$work/bc.csv" \
    "$work/ca.csv" >"$work/hat" 2>"$work/err" \
    || fail "--three-cornered-hat exited $?: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "--three-cornered-hat of one span warned: $(cat "$work/err")"
[ "$(head -n 1 "$work/hat" | tr -d '\r')" = "statistic,tau,oscillator,deviation,low,high,limit" ] \
    || fail "--three-cornered-hat's header: $(head -n 1 "$work/hat")"
grep -q '^oadev,1,C,,,[0-9.e+-]*,upper' "$work/hat" \
    || fail "C is no upper limit: $(grep '^oadev,1,' "$work/hat")"
awk -F, '
    FNR == 1 { file++ }
    file == 1 && /^oadev,10,/ { pair = $4 }
    file == 2 && /^oadev,10,[AB],/ { n++; if ($4 / pair - sqrt(50) / 10 > 1e-5 || sqrt(50) / 10 - $4 / pair > 1e-5) exit 1 }
    END { exit n == 2 ? 0 : 1 }' "$work/ab table" "$work/hat" \
    || fail "A and B are not sqrt(50)/10 of A-B: $(grep '^oadev,10,' "$work/ab table" "$work/hat")"
for statistic in mdev tdev; do
    grep -q "^$statistic,1,A,[0-9]" "$work/hat" || fail "no $statistic for A: $(cat "$work/hat")"
done
# A pair of half the span is warned of; a pair that cannot be read fails.
head -n 201 "$work/ca.csv" >"$work/ca half.csv"
env -u DISPLAY "$binary" --three-cornered-hat "$work/ab.csv" "$work/bc.csv" "$work/ca half.csv" \
    >/dev/null 2>"$work/err" || fail "--three-cornered-hat of two spans exited $?"
grep -q 'warning: the recordings span 399 s, 399 s and 199 s' "$work/err" \
    || fail "the spans are not warned of: $(cat "$work/err")"
status=0
env -u DISPLAY "$binary" --three-cornered-hat "$work/ab.csv" "$work/no such file.csv" \
    "$work/ca.csv" >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "--three-cornered-hat with a missing file exited $status"
grep -q "no such file.csv" "$work/err" || fail "the missing pair is not named: $(cat "$work/err")"

# --plot draws the sigma-tau plot with no display at all; a picture of no
# known kind is a mistake, a recording that cannot be read a failure.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --plot "$work/plot.svg" \
    "$recording" 2>"$work/err" || fail "--plot exited $?: $(cat "$work/err")"
for shown in '>OADEV<' '>MDEV<' '>bench recording.csv<'; do
    grep -Fq "$shown" "$work/plot.svg" || fail "the plot's picture lacks $shown"
done
# Of two recordings, on one plot: the picture names both.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --plot "$work/both.svg" \
    "$recording" "$work/readings.csv" 2>"$work/err" || fail "--plot of two exited $?: $(cat "$work/err")"
for shown in '>OADEV of bench recording.csv, ' '>OADEV of readings.csv, ' \
    '>bench recording.csv, readings.csv compared<'; do
    grep -Fq "$shown" "$work/both.svg" || fail "the plot of two lacks $shown"
done
plot_fails() { # picture, recording, status, what standard error says
    status=0
    env -u DISPLAY "$binary" --plot "$work/$1" "$2" 2>"$work/err" || status=$?
    [ "$status" -eq "$3" ] || fail "--plot $1 from $2 exited $status"
    grep -q "$4" "$work/err" || fail "--plot $1 does not say why: $(cat "$work/err")"
    [ ! -e "$work/$1" ] || fail "--plot $1 wrote a picture"
}
plot_fails plot.jpg "$recording" 2 "'.*plot.jpg' is no picture file"
plot_fails plot.png "$work/no such file.csv" 1 "no such file.csv"

# The window, with no counter anywhere: no port is named or found.
start_x
FREQCOUNTER_COM1=/dev/freqcounter-no-such-port FREQCOUNTER_COM2=/dev/freqcounter-no-port-either \
    "$binary" --view "$recording" 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
view=$(wait_titled "^bench recording.csv — $TITLE — History\$") \
    || fail "--view opened no history window for the recording"
[ -z "$(visible_windows "$app_pid")" ] || fail "--view showed the main window too"
grep -q 'Error' "$work/stderr" && fail "--view reported an error"
xprop -id "$view" WM_NAME >/dev/null || fail "the history window is gone"
kill "$app_pid"
wait_exit
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
echo "PASS"
