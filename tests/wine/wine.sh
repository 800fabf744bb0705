#!/bin/sh
# The Windows program under Wine: its command line typed into cmd.exe, then
# readings from two simulated counters on COM1 and COM2 (pseudo-terminals
# Wine's COM1 and COM2 name), recorded to a file under a Windows path outside
# any ANSI code page, before and after a switch to Com2; last, a missing port
# that ends in the error box and exit status 1.
# Usage: wine.sh FREQCOUNTER.EXE SIMULATOR (WINEPREFIX and WINEPATH set)
set -eu
binary=$1
simulator=$2
. "$(dirname "$0")/../e2e/xsession.sh"
command -v wine >/dev/null 2>&1 || { echo "SKIP: wine is not installed"; exit 77; }
[ -n "${WINEPREFIX:-}" ] || fail "WINEPREFIX is not set"
# Wine turns the arguments into Windows' wide characters from this locale.
export LC_ALL=C.UTF-8
exe=$(winepath -w "$binary")

# in_cmd EXPECTED-STATUS ARGUMENTS...: the program typed into cmd.exe, its
# output in $work/out and $work/err.
in_cmd() {
    expected=$1
    shift
    got=0
    wine cmd /c "$exe" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" -eq "$expected" ] || fail "cmd /c '$*' exited $got, expected $expected: $(cat "$work/err")"
}

in_cmd 0 --version
grep -q '^freqcounter [0-9][0-9.]*' "$work/out" || fail "--version prints '$(cat "$work/out")'"
in_cmd 0 --help
grep -q '^Usage: freqcounter' "$work/out" || fail "--help prints no usage"
in_cmd 0 --list-ports --com1 COM7
grep -q '^DEVICE  *STABLE NAME  *DESCRIPTION  *MANUFACTURER  *BUTTON' "$work/out" \
    || fail "--list-ports has no header: $(cat "$work/out")"
grep -q '^COM7 .* Com1' "$work/out" || fail "--list-ports: Com1 is not COM7: $(cat "$work/out")"
in_cmd 2 --bogus
grep -q "unknown argument '--bogus'" "$work/err" || fail "--bogus is not named as the mistake"
grep -q '^Usage: freqcounter' "$work/err" || fail "--bogus prints no usage"

# wine_window PATTERN: waits (up to 20 s) for a visible window titled so,
# whichever process Wine shows it for; prints its id.
wine_window() {
    tries=0
    until xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; do
        tries=$((tries + 1))
        [ "$tries" -gt 400 ] && return 1
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.05
    done
}

start_x
# A Wine server that is still up draws on the display it started with.
wineserver --kill 2>/dev/null || true
start_simulator --name com1 --frequency 145.2 --interval 100
start_simulator --name com2 --frequency 433.92 --interval 100
ln -sfn "$(cat "$work/com1.device")" "$WINEPREFIX/dosdevices/com1"
ln -sfn "$(cat "$work/com2.device")" "$WINEPREFIX/dosdevices/com2"
folder="$WINEPREFIX/drive_c/Μετρήσεις 读数"
rm -rf "$folder"
mkdir -p "$folder"
csv="$folder/readings.csv"
TITLE="$TITLE — recording"
wine "$binary" --com1 COM1 --com2 COM2 --record 'C:\Μετρήσεις 读数\readings.csv' \
    2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
main=$(wine_window "^$TITLE\$") || fail "on COM1 the window did not open"

# rows PORT: how many recorded rows came from that port.
rows() {
    grep -c "^[^,]*,$1," "$csv" 2>/dev/null || true
}
# wait_rows PORT N: waits (up to 30 s) for N rows from that port.
wait_rows() {
    tries=0
    until [ "$(rows "$1")" -ge "$2" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 600 ] && fail "fewer than $2 readings recorded from port $1: $(cat "$csv" 2>&1)"
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
        sleep 0.05
    done
}
wait_rows 1 5
choose_com2 "$main"
wait_rows 2 5
kill "$app_pid"
wait_exit
# Com1's readings, then Com2's, each whole (as the simulator writes them,
# four decimals), on the port's own device, in the order they came.
awk -F, 'NR == 1 { if ($0 != "time,port,device,reading\r") bad = 1; next }
         { sub(/\r$/, "") }
         $4 !~ /^[0-9]+\.[0-9][0-9][0-9][0-9]$/ { bad = 1 }
         $2 == 2 { seen2 = 1 }
         $2 == 1 && (seen2 || $3 != "COM1" || $4 < 144 || $4 > 147) { bad = 1 }
         $2 == 2 && ($3 != "COM2" || $4 < 433 || $4 > 435) { bad = 1 }
         $1 < last { bad = 1 } { last = $1 } END { exit bad }' "$csv" \
    || fail "the recording is not Com1's readings, then Com2's: $(cat "$csv")"
echo "recorded under Wine: $(rows 1) readings from COM1, then $(rows 2) from COM2"

FREQCOUNTER_COM1=COM9 wine "$binary" 2>"$work/stderr" &
app_pid=$!
children="$children $app_pid"
box=$(wine_window "^2GHz Frequency counter\$") || fail "no error box for a missing COM9"
dismiss_and_expect_failure "$box"
grep -q 'Error 8001: Serial port 1 (COM9)' "$work/stderr" || fail "the error does not name COM9: $(cat "$work/stderr")"
wineserver --kill 2>/dev/null || true
echo "PASS"
