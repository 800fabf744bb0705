#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary in the user's language, where users meet it: --help and a
# usage mistake on the console, and, as a screen reader reads it over the
# accessibility bus, the context menu and the Compare with Nominal dialog,
# Qt's own buttons included. The title, "Com1", "Com2" and " MHz" stay as
# they are. German as LANG chooses it, French as LANGUAGE does; each text
# expected is the one its .ts file gives.
# Usage: languages.sh PROGRAM SIMULATOR SOURCE-FOLDER
set -u
program=$1
simulator=$2
source=$3
. "$(dirname "$0")/xsession.sh"
on_accessibility_bus "$@"

# translated LANGUAGE CONTEXT SOURCE: the translation the .ts file gives,
# as a screen reader reads it (a menu's or label's "&" taken out).
translated() {
    "$python" - "$source/data/translations/freqcounter_$1.ts" "$2" "$3" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET
ts, context, text = sys.argv[1:]
for c in ET.parse(ts).getroot().iter("context"):
    if c.findtext("name") != context:
        continue
    for message in c.iter("message"):
        if message.findtext("source").rstrip("\n") == text:
            print(message.findtext("translation").replace("&", "").rstrip("\n"))
            sys.exit(0)
sys.exit(f"{context}: {text!r} is not in {ts}")
PYTHON
}

# read_out PATTERN: prints the program's accessible items, a line each
# (role, name, description, tab-separated), once a line matches the pattern
# (up to 10 s).
read_out() {
    "$python" - "$1" <<'PYTHON'
import re, sys, time
import pyatspi
def walk(item, depth, lines):
    if item is None or depth > 8:
        return
    lines.append("\t".join([item.getRoleName(), item.name, item.description]))
    for child in item:
        walk(child, depth + 1, lines)
deadline = time.monotonic() + 10
while time.monotonic() < deadline:
    lines = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "freqcounter":
            for window in app:
                walk(window, 0, lines)
    if any(re.search(sys.argv[1], line) for line in lines):
        print("\n".join(lines))
        sys.exit(0)
    time.sleep(0.1)
sys.exit("nothing read matches " + sys.argv[1])
PYTHON
}

# read_menu WINDOW: opens the context menu with a right-click and goes down
# it with the arrow key, as a keyboard user does; prints each menu item a
# screen reader is told of as it takes the focus (a popup menu is no child
# of the application on the bus: a reader follows the focus into it). The
# menu is left open.
read_menu() {
    "$python" - "$1" <<'PYTHON'
import subprocess, sys, time
import pyatspi
from gi.repository import GLib
seen = []
wrapped = []
def focused(event):
    if event.detail1 != 1 or event.source.getRoleName() != "menu item":
        return
    name = event.source.name
    if name not in seen:
        seen.append(name)
    elif name == seen[0] and len(seen) > 1:
        wrapped.append(name)
pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
subprocess.run(["xdotool", "mousemove", "--window", sys.argv[1], "60", "40", "click", "3"], check=True)
deadline = time.monotonic() + 15
def step():
    # Down, until the focus comes round to the first item again (a Down
    # before the menu is open goes nowhere).
    if wrapped or time.monotonic() > deadline:
        pyatspi.Registry.stop()
        return False
    subprocess.run(["xdotool", "key", "Down"], check=True)
    return True
GLib.timeout_add(100, step)
pyatspi.Registry.start()
if not wrapped:
    sys.exit("the menu did not come round: " + ", ".join(seen))
print("\n".join(seen))
PYTHON
}

# accelerator LANGUAGE CONTEXT SOURCE: the letter "&" marks in the
# translation, in lower case.
accelerator() {
    "$python" - "$source/data/translations/freqcounter_$1.ts" "$2" "$3" <<'PYTHON'
import re, sys
import xml.etree.ElementTree as ET
ts, context, text = sys.argv[1:]
for c in ET.parse(ts).getroot().iter("context"):
    if c.findtext("name") == context:
        for message in c.iter("message"):
            if message.findtext("source") == text:
                print(re.search(r"&(\w)", message.findtext("translation")).group(1).lower())
                sys.exit(0)
sys.exit(f"{context}: {text!r} is not in {ts}")
PYTHON
}

start_x
start_accessibility_bus
start_simulator --name com1 --frequency 145.2 --interval 100

# check LANGUAGE CANCEL ENVIRONMENT...: everything above, in that language,
# where Qt's Cancel button reads CANCEL.
check() {
    language=$1
    cancel=$2
    shift 2
    env "$@" "$program" --help >"$work/help" 2>&1 || fail "$language: --help failed"
    for text in "show this help and exit" "Options:"; do
        expected=$(translated "$language" CommandLine "$text") || fail "$language: $expected"
        grep -qF "$expected" "$work/help" || fail "$language: --help lacks '$expected': $(cat "$work/help")"
    done
    grep -qF '2GHz Frequency counter' "$work/help" || fail "$language: --help lost the title"
    grep -qF -- '--com1 DEVICE' "$work/help" || fail "$language: --help lost --com1 DEVICE"

    status=0
    env "$@" "$program" --scale 0 >/dev/null 2>"$work/mistake" || status=$?
    [ "$status" -eq 2 ] || fail "$language: --scale 0 ended with $status"
    expected=$(translated "$language" CommandLine \
        "option '--scale': %1 is no factor; give a number other than 0, such as 64, -1 or 0.5") \
        || fail "$expected"
    grep -qF "freqcounter: $(echo "$expected" | sed "s/%1/'0'/")" "$work/mistake" \
        || fail "$language: the mistake reads: $(cat "$work/mistake")"

    env "$@" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --com1 "$work/com1" 2>"$work/stderr" &
    app_pid=$!
    main=$(wait_window _NET_WM_WINDOW_TYPE_NORMAL) || fail "$language: the window did not open"
    read_out '^label\t14[45]\.[0-9]* MHz\t' >"$work/window" || fail "$language: no reading: $(cat "$work/window")"
    grep -q "^[a-z ]*	2GHz Frequency counter	" "$work/window" || fail "$language: the title: $(cat "$work/window")"
    grep -q "^radio button	Com1	" "$work/window" || fail "$language: Com1: $(cat "$work/window")"
    grep -q "^radio button	Com2	" "$work/window" || fail "$language: Com2: $(cat "$work/window")"

    read_menu "$main" >"$work/menu" || fail "$language: the menu could not be read"
    for text in "&Copy reading" "&History…" "Counter &Math…" "Reconnect &When Lost"; do
        expected=$(translated "$language" freqcounter::ReadingActions "$text") || fail "$expected"
        grep -qx "$expected" "$work/menu" || fail "$language: no '$expected' in the menu: $(cat "$work/menu")"
    done

    # The dialog, by its letter in the menu.
    letter=$(accelerator "$language" freqcounter::ReadingActions "Compare with &Nominal…") || fail "$letter"
    xdotool key Escape
    before=$(xdotool search --all --onlyvisible --pid "$app_pid" "" 2>/dev/null | wc -l)
    xdotool mousemove --window "$main" 60 40 click 3
    tries=0
    until [ "$(xdotool search --all --onlyvisible --pid "$app_pid" "" 2>/dev/null | wc -l)" -gt "$before" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 200 ] && fail "$language: the menu did not open again"
        sleep 0.05
    done
    xdotool key "$letter"
    title=$(translated "$language" freqcounter::NominalDialog "Compare with Nominal") || fail "$title"
    read_out "^dialog	$title	" >"$work/dialog" || fail "$language: no dialog: $(cat "$work/dialog")"
    label=$(translated "$language" freqcounter::NominalDialog "&Nominal frequency:") || fail "$label"
    grep -q "^label	$label	" "$work/dialog" || fail "$language: the dialog's label: $(cat "$work/dialog")"
    # Qt's own translation, of the button box.
    grep -q "^push button	$cancel	" "$work/dialog" || fail "$language: no button '$cancel': $(cat "$work/dialog")"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

check de Abbrechen LANG=de_DE.UTF-8 LANGUAGE=
check fr Annuler LANG=en_US.UTF-8 LANGUAGE=fr
echo "PASS"
