#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The logger's systemd unit as an install under a prefix of one's own leaves
# it: under that prefix, ExecStart naming the program installed there, and
# an instance of it verified by systemd-analyze with nothing said of it
# (verify only warns of a misspelt directive or a value it cannot read, so
# any word about the unit fails). Offline, verify looks up no user, so the
# machine needs no user freqcounter.
# Usage: logger_unit.sh CMAKE BUILD-FOLDER
set -eu
cmake=$1
build=$2
command -v systemd-analyze >/dev/null 2>&1 \
    || { echo "SKIP: systemd-analyze is not installed (scripts/test installs it)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log" >&2; fail "cmake --install failed"; }
unit="$work/prefix/lib/systemd/system/freqcounter-logger@.service"
[ -f "$unit" ] || fail "the unit is not under the prefix"
[ -f "$work/prefix/lib/sysusers.d/freqcounter.conf" ] || fail "the sysusers file is not under the prefix"
# shellcheck disable=SC2016 # the unit's own variables, as written
grep -qxF "ExecStart=$work/prefix/bin/freqcounter --no-window --record \${STATE_DIRECTORY}/%i.csv \$FREQCOUNTER_OPTIONS" \
    "$unit" || fail "the unit's $(grep '^ExecStart=' "$unit")"

mkdir "$work/units"
cp "$unit" "$work/units/freqcounter-logger@test.service"
status=0
systemd-analyze verify --man=no --recursive-errors=no "$work/units/freqcounter-logger@test.service" \
    >"$work/verify" 2>&1 || status=$?
if [ "$status" -ne 0 ] || grep -qF 'freqcounter-logger@test.service' "$work/verify"; then
    cat "$work/verify" >&2
    fail "systemd-analyze verify, status $status"
fi
echo "PASS"
