#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages the build made: groff renders each with every warning on
# and says nothing, each names every option its program's --help gives, and
# the program's names every error number the troubleshooting page lists.
# Usage: manuals.sh BUILD-FOLDER SOURCE-FOLDER
set -eu
build=$1
source=$2
command -v groff >/dev/null 2>&1 || { echo "SKIP: groff is not installed (scripts/test installs it)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for program in freqcounter freqcounter-sim; do
    page="$build/man/$program.1"
    [ -f "$page" ] || fail "no manual page $page"
    LC_ALL=C.UTF-8 groff -man -ww -z "$page" 2>"$work/warnings"
    [ -s "$work/warnings" ] && fail "groff on $program.1: $(cat "$work/warnings")"
    # Unhyphenated and plain, so that an option reads whole.
    LC_ALL=C.UTF-8 groff -man -rHY=0 -Tutf8 -P-cbou "$page" >"$work/$program.txt" 2>/dev/null
    LC_ALL=C.UTF-8 LANGUAGE='' "$build/$program" --help >"$work/help"
    options=$(grep -oE '^ +(-[a-zA-Z?], )*--[a-z0-9-]+' "$work/help" | sed 's/.*--/--/' | sort -u)
    [ "$(echo "$options" | wc -l)" -ge 10 ] || fail "$program --help gives few options: $options"
    for option in $options; do
        grep -Eq -- "^ *(-[^ ]*, )*$option\\b" "$work/$program.txt" || fail "$program.1 has no entry for $option"
    done
done

numbers=$(sed -n 's/^| \([0-9][0-9, ]*\) |.*/\1/p' "$source/docs/troubleshooting.md" | tr -d ' ' | tr ',' '\n')
[ -n "$numbers" ] || fail "no error numbers found in docs/troubleshooting.md"
sed -n '/^ERRORS/,/^[A-Z]/p' "$work/freqcounter.txt" >"$work/errors"
for number in $numbers; do
    grep -qw "$number" "$work/errors" || fail "freqcounter.1's ERRORS has no $number"
done
echo "PASS: $(echo "$numbers" | wc -l) error numbers, every option of both programs"
