# Shared by the tests under Wine: COM ports of the prefix given to simulated
# counters. Sourced after tests/e2e/xsession.sh, with WINEPREFIX set.

# register_port COMn DEVICE: COMn is DEVICE from now on, as a USB adapter's
# port is. Wine's mount manager, which must be running (the reg command
# starts it), lists it among the serial ports and links dosdevices/comn to
# the device; until that link is there, COMn is no serial port.
registered_ports=""
register_port() {
    wine reg add 'HKLM\Software\Wine\Ports' /v "$1" /d "$2" /f >/dev/null 2>&1 \
        || fail "could not register $1 in the Wine prefix"
    registered_ports="$registered_ports $1"
    link="$WINEPREFIX/dosdevices/$(echo "$1" | tr 'A-Z' 'a-z')"
    tries=0
    until [ "$(readlink "$link")" = "$2" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && fail "Wine did not take $2 as $1"
        sleep 0.05
    done
}

# Removes the ports this test registered.
unregister_ports() {
    for port in $registered_ports; do
        wine reg delete 'HKLM\Software\Wine\Ports' /v "$port" /f >/dev/null 2>&1 || true
    done
    registered_ports=""
}

# windows_path PATH: the Windows name of a path of this machine (drive Z:).
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}
