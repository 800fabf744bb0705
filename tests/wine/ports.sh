# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests under Wine: COM ports of the prefix given to simulated
# counters. Sourced after tests/e2e/xsession.sh; skips the test without Wine,
# fails it without WINEPREFIX, and removes the ports it registered at exit.

command -v wine >/dev/null 2>&1 || { echo "SKIP: wine is not installed"; exit 77; }
[ -n "${WINEPREFIX:-}" ] || fail "WINEPREFIX is not set"
trap 'unregister_ports; finish' EXIT

registered_ports=""

# register_ports COMn DEVICE [COMn DEVICE ...]: each COMn is its DEVICE from
# now on, as a USB adapter's port is. Wine's mount manager reads the ports
# when it starts: the server is let go (which also saves the registry) and
# started again, and the mount manager then links dosdevices/comn to the
# device and lists the port among the serial ports. Until that link is
# there, COMn is no serial port.
register_ports() {
    pairs="$*"
    while [ "$#" -ge 2 ]; do
        wine reg add 'HKLM\Software\Wine\Ports' /v "$1" /d "$2" /f >/dev/null 2>&1 \
            || fail "could not register $1 in the Wine prefix"
        registered_ports="$registered_ports $1"
        shift 2
    done
    wineserver --wait
    wine cmd /c exit >/dev/null 2>&1 || true
    set -- $pairs
    while [ "$#" -ge 2 ]; do
        link="$WINEPREFIX/dosdevices/$(echo "$1" | tr 'A-Z' 'a-z')"
        tries=0
        until [ "$(readlink "$link")" = "$2" ]; do
            tries=$((tries + 1))
            [ "$tries" -gt 200 ] && fail "Wine did not take $2 as $1: $link is $(readlink "$link")"
            sleep 0.05
        done
        shift 2
    done
}

# Removes the ports this test registered, and their links.
unregister_ports() {
    for port in $registered_ports; do
        wine reg delete 'HKLM\Software\Wine\Ports' /v "$port" /f >/dev/null 2>&1 || true
        rm -f "$WINEPREFIX/dosdevices/$(echo "$port" | tr 'A-Z' 'a-z')"
    done
    registered_ports=""
}

# windows_path PATH: the Windows name of a path of this machine (drive Z:).
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}
