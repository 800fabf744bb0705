#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, silently (/S) into a prefix of its own, as on a
# PC that has never seen the program: the files, the Start-menu shortcut and
# the "Add or remove programs" entry are there, and the installed program
# answers --version with only its own DLLs; a silent uninstall removes all of
# it and nothing else (a file of the user's in the folder stays). The
# licences come with it: the program's, Qt's and the runtime's; and the
# manual as text and the translations, which the installed program finds
# for a German user.
# Usage: installer.sh SETUP.EXE
set -eu
setup=$1
command -v wine >/dev/null 2>&1 || { echo "SKIP: wine is not installed"; exit 77; }
[ -f "$setup" ] || { echo "FAIL: no installer at $setup (scripts/windows makes it)" >&2; exit 1; }
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The installed program must find Qt and the MinGW runtime in its own folder.
unset WINEPATH QT_PLUGIN_PATH DISPLAY
finish() {
    wineserver --kill 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

wineboot --init
wineserver --wait
installed="$WINEPREFIX/drive_c/Program Files/freqcounter"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/2GHz Frequency counter.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\freqcounter'

wine "$setup" /S || fail "the silent install exited $?"
wineserver --wait
for file in freqcounter.exe uninstall.exe Qt6Core.dll Qt6Widgets.dll Qt6SerialPort.dll \
    platforms/qwindows.dll LICENSE.txt licenses/LGPL-3.0.txt licenses/GPL-3.0.txt \
    licenses/THIRD-PARTY.txt freqcounter.txt translations/freqcounter_de.qm \
    translations/freqcounter_fr.qm translations/freqcounter_es.qm translations/freqcounter_ja.qm; do
    [ -f "$installed/$file" ] || fail "not installed: $file ($(ls "$installed" 2>&1))"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$key" /reg:64 >"$work/key" 2>&1 || fail "no uninstall key: $(cat "$work/key")"
for value in 'DisplayName.*2GHz Frequency counter' 'DisplayVersion.*[0-9]\.[0-9]' \
    'Publisher.*freqcounter developers' 'DisplayIcon.*freqcounter\.exe' \
    'UninstallString.*uninstall\.exe' 'EstimatedSize.*0x[0-9a-f]'; do
    grep -q "$value" "$work/key" || fail "the uninstall key lacks $value: $(cat "$work/key")"
done
size=$(sed -n 's/.*EstimatedSize.*\(0x[0-9a-f]*\).*/\1/p' "$work/key")
[ $((size)) -gt 10000 ] || fail "the installed size is given as $((size)) KiB"
echo "installed: $(cd "$installed" && find . -type f | wc -l) files, $((size)) KiB"

wine "C:\\Program Files\\freqcounter\\freqcounter.exe" --version >"$work/version" 2>&1 \
    || fail "the installed program does not start: $(cat "$work/version")"
grep -q '^freqcounter [0-9][0-9.]*' "$work/version" || fail "--version prints $(cat "$work/version")"
grep -q -- '--three-cornered-hat' "$installed/freqcounter.txt" || fail "freqcounter.txt is no manual page"
LANG=de_DE.UTF-8 wine "C:\\Program Files\\freqcounter\\freqcounter.exe" --help >"$work/help" 2>&1 \
    || fail "--help in German failed: $(cat "$work/help")"
grep -q '^Optionen:' "$work/help" || fail "--help for a German user is not in German: $(cat "$work/help")"
grep -q 'Com1' "$work/help" || fail "--help in German lost Com1"

echo "kept" >"$installed/readings.csv"
wine "C:\\Program Files\\freqcounter\\uninstall.exe" /S || fail "the silent uninstall exited $?"
# The uninstaller runs on from a copy of itself; it is done when it is gone.
wineserver --wait
tries=0
while [ -e "$installed/freqcounter.exe" ] || [ -e "$installed/uninstall.exe" ]; do
    tries=$((tries + 1))
    [ "$tries" -gt 600 ] && fail "the uninstaller did not remove the program"
    sleep 0.05
done
left=$(cd "$installed" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./readings.csv " ] || fail "left after uninstalling: $left"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the uninstall key is left"
echo "PASS"
