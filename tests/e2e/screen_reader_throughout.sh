#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader reads the real binary all the time, over the accessibility
# bus, while a user switches ports, keeps the History window open through its
# refreshes, opens the large display, and the display's description moves
# between within and outside the tolerance: the program lives through all
# of it, and the reader reads every change.
# Usage: screen_reader_throughout.sh PROGRAM SIMULATOR
set -u
program=$1
simulator=$2
. "$(dirname "$0")/xsession.sh"
on_accessibility_bus "$@"

# The reader walks every window, again and again, as a screen reader's
# review does: each object's name, description, role and state, and each of
# its children. It also asks each object for one child more than it counts,
# as a reader does that counted a moment before a child went (a scroll bar
# that goes when the figures shrink). After each walk it writes how many it
# made to $work/walks; it stops when $work/stop appears or the program has
# ended, and prints what the display's description said.
read_throughout() {
    exec "$python" - "$work" "$app_pid" <<'PYTHON'
import os, sys, time, pyatspi
work, program = sys.argv[1], sys.argv[2]
walks, said = 0, set()

def walk(item, depth):
    if item is None or depth > 12:
        return
    count = item.childCount
    name, description = item.name, item.description
    item.getRoleName(); item.getState()
    if item.getRoleName() == "label" and name.endswith(" MHz") and description:
        said.add(description.rsplit(",", 1)[-1].split()[0])
    for index in range(count + 1):
        walk(item.getChildAtIndex(index), depth + 1)

while os.path.exists("/proc/" + program) and not os.path.exists(os.path.join(work, "stop")):
    try:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "freqcounter":
                walk(app, 0)
                walks += 1
    except Exception:
        # An object that went between the count and the question.
        time.sleep(0.01)
        continue
    with open(os.path.join(work, "walks.new"), "w") as out:
        out.write("%d\n" % walks)
    os.replace(os.path.join(work, "walks.new"), os.path.join(work, "walks"))
print(" ".join(sorted(said)))
PYTHON
}

# walks: how many walks the reader has made.
walks() {
    cat "$work/walks" 2>/dev/null || echo 0
}

# read_on N: waits (up to 20 s) until the reader has walked N more times,
# while the program lives.
read_on() {
    until_walks=$(($(walks) + $1))
    tries=0
    until [ "$(walks)" -ge "$until_walks" ]; do
        kill -0 "$app_pid" 2>/dev/null || fail "the program died while a screen reader read it"
        tries=$((tries + 1))
        [ "$tries" -gt 400 ] && fail "the reader stopped reading"
        sleep 0.05
    done
}

start_for_a_screen_reader
read_throughout >"$work/said" &
reader=$!
children="$children $reader"
read_on 2

# The History window, small enough that its figures scroll: their scroll bar
# comes and goes as the figures grow and shrink.
xdotool windowfocus --sync "$main" key ctrl+h
history=$(wait_titled ' History$') || fail "the history window did not open"
xdotool windowsize --sync "$history" 500 400
read_on 3
xdotool windowraise "$main"
choose_com2 "$main"
read_on 3
xdotool windowfocus --sync "$main" key F11
tries=0
until visible_windows "$app_pid" | grep -vqx "$main"; do
    tries=$((tries + 1))
    [ "$tries" -gt 200 ] && fail "the large display did not open"
    sleep 0.05
done
read_on 2
xdotool key Escape
xdotool windowraise "$main"
xdotool windowfocus --sync "$main" key Left
read_on 3

touch "$work/stop"
wait "$reader" || fail "the reader failed"
kill -0 "$app_pid" 2>/dev/null || fail "the program died while a screen reader read it"
[ "$(cat "$work/said")" = "outside within" ] \
    || fail "the reader did not hear the display go outside and back: '$(cat "$work/said")'"
kill "$app_pid"
wait_exit
echo "PASS after $(walks) walks"
