#!/bin/sh
# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package CPack makes from a build: its control data, its files,
# the desktop entry and metainfo validated, lintian's every tag, one version
# throughout, and the program run from where dpkg-deb unpacked it.
# Usage: package.sh BUILD-FOLDER SOURCE-FOLDER
set -eu
build=$1
source=$2
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed (scripts/test installs it)"; exit 77; }
done
# What lintian says of hardening is of the flags the build was made with:
# the package is checked as scripts/ build it, with Debian's.
grep -q '^CMAKE_CXX_FLAGS:STRING=.*-D_FORTIFY_SOURCE' "$build/CMakeCache.txt" \
    || { echo "SKIP: this build was not configured with Debian's build flags (scripts/test does)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
version=$("$build/freqcounter" --version | sed 's/^freqcounter //')
[ "$(basename "$deb")" = "freqcounter_${version}_$(dpkg --print-architecture).deb" ] \
    || fail "the package is named $(basename "$deb")"

# Control data: dependencies come from the binaries, not from a hand-made list.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = freqcounter ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = electronics ] || fail "Section: $(field Section)"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6; do
    echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done
echo "$depends" | grep -q '(>= ' || fail "Depends has no versions, so it was not computed: $depends"
dpkg-deb --info "$deb" >/dev/null

# Files: the two programs, what a desktop needs and the logger's service,
# nothing else.
app=io.github.freqcounter.FreqCounter
dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '/$' | sort >"$work/files"
for expected in \
    ./usr/bin/freqcounter \
    ./usr/bin/freqcounter-sim \
    ./usr/share/applications/$app.desktop \
    ./usr/share/metainfo/$app.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$app.svg \
    ./usr/share/icons/hicolor/16x16/apps/$app.png \
    ./usr/share/icons/hicolor/48x48/apps/$app.png \
    ./usr/share/icons/hicolor/256x256/apps/$app.png \
    ./usr/share/doc/freqcounter/copyright \
    ./usr/lib/systemd/system/freqcounter-logger@.service \
    ./usr/lib/sysusers.d/freqcounter.conf \
    ./usr/share/doc/freqcounter/examples/logger.conf \
    ./usr/share/doc/freqcounter/changelog.gz \
    ./usr/share/man/man1/freqcounter.1.gz \
    ./usr/share/man/man1/freqcounter-sim.1.gz \
    ./usr/share/freqcounter/translations/freqcounter_de.qm \
    ./usr/share/freqcounter/translations/freqcounter_fr.qm \
    ./usr/share/freqcounter/translations/freqcounter_es.qm \
    ./usr/share/freqcounter/translations/freqcounter_ja.qm; do
    grep -qx "$expected" "$work/files" || fail "the package lacks $expected"
done
unexpected=$(grep -v -e '^./usr/bin/freqcounter' -e '^./usr/share/applications/' -e '^./usr/share/metainfo/' \
    -e '^./usr/share/icons/hicolor/' -e '^./usr/share/doc/freqcounter/copyright$' \
    -e '^./usr/lib/systemd/system/freqcounter-logger@.service$' -e '^./usr/lib/sysusers.d/freqcounter.conf$' \
    -e '^./usr/share/doc/freqcounter/examples/logger.conf$' -e '^./usr/share/doc/freqcounter/changelog.gz$' \
    -e '^./usr/share/man/man1/freqcounter\(-sim\)\?\.1\.gz$' \
    -e '^./usr/share/freqcounter/translations/freqcounter_[a-z][a-z]\.qm$' "$work/files" || true)
[ -z "$unexpected" ] || fail "the package holds more than it should: $unexpected"

# Unpacked, the programs run, and the desktop files pass their validators.
dpkg-deb -x "$deb" "$work/root"
[ "$("$work/root/usr/bin/freqcounter" --version)" = "freqcounter $version" ] || fail "the unpacked program's --version"
"$work/root/usr/bin/freqcounter-sim" --help >/dev/null || fail "the unpacked simulator's --help"
desktop-file-validate "$work/root/usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$app.metainfo.xml" \
    || fail "appstreamcli validate"

# The logger's unit starts the packaged program, and the package makes the
# user it runs as once it is installed.
grep -q '^ExecStart=/usr/bin/freqcounter --no-window ' "$work/root/usr/lib/systemd/system/freqcounter-logger@.service" \
    || fail "the logger's unit does not start /usr/bin/freqcounter"
dpkg-deb --control "$deb" "$work/control"
[ -x "$work/control/postinst" ] || fail "the package has no postinst to run"
grep -q 'systemd-sysusers freqcounter.conf' "$work/control/postinst" \
    || fail "the package's postinst does not make the logger's user"

# Each PNG is the size its folder says (width and height at bytes 16 to 23).
for png in "$work"/root/usr/share/icons/hicolor/*x*/apps/$app.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{ print $3 * 256 + $4 }')
    height=$(od -An -tu1 -j20 -N4 "$png" | awk '{ print $3 * 256 + $4 }')
    [ "${width}x${height}" = "$size" ] || fail "$png is ${width}x${height}"
done
# Debian's own checker, every tag shown: no error and no warning. The
# information and pedantic tags left are those docs/packaging.md names, with
# the reason each stays.
lintian -I --pedantic --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || true
grep -E '^[EW]: ' "$work/lintian" && fail "lintian: $(grep -E '^[EW]: ' "$work/lintian")"
for tag in $(sed -n 's/^[IP]: [^ ]* \([^ ]*\).*/\1/p' "$work/lintian" | sort -u); do
    grep -q "^- \`$tag\`" "$source/docs/packaging.md" || fail "lintian's $tag is not named in docs/packaging.md: $(cat "$work/lintian")"
done
grep -q '^License: GPL-3.0+' "$work/root/usr/share/doc/freqcounter/copyright" \
    || fail "the copyright file names no GPL-3.0+"

# One version: the program's, NEWS.md's first, the metainfo's newest
# release and the Debian changelog's newest entry.
news=$(sed -n 's/^## \([0-9.]*\) (.*/\1/p' "$source/NEWS.md" | head -n 1)
[ "$news" = "$version" ] || fail "NEWS.md's newest is $news, the program $version"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$work/root/usr/share/metainfo/$app.metainfo.xml" | head -n 1)
[ "$release" = "$version" ] || fail "the metainfo's newest release is $release"
entry=$(zcat "$work/root/usr/share/doc/freqcounter/changelog.gz" | head -n 1)
[ "$entry" = "freqcounter ($version) unstable; urgency=medium" ] || fail "the changelog begins: $entry"
[ "$(zgrep -c '^freqcounter (' "$work/root/usr/share/doc/freqcounter/changelog.gz")" \
    = "$(grep -c '^## ' "$source/NEWS.md")" ] || fail "the changelog has not every version of NEWS.md"
echo "PASS: $(basename "$deb"), Depends: $depends"
