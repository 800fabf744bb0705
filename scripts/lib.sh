# SPDX-FileCopyrightText: 2026 freqcounter developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts in this folder: the Debian packages each needs, their
# installation when missing, and the build. Sourced, not run.

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"

# To build the program, the simulator, the tests and the benchmark (which
# watches X for the program's window with xcb); Qt's lrelease makes the
# translations, help2man the manual pages, and dpkg-buildflags gives
# Debian's hardening flags.
BUILD_PACKAGES="cmake make g++ qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-l10n-tools libgl-dev libxcb1-dev libboost-math-dev help2man dpkg-dev"
# To run it: Arial resolves to the metric-compatible Liberation Sans; Qt's
# own translations give its dialogs' buttons in the user's language.
RUN_PACKAGES="fonts-liberation qt6-translations-l10n"
# scripts/package and its test: dpkg-shlibdeps computes the dependencies;
# the validators check the desktop entry and the AppStream metainfo, and
# lintian the copyright file.
PACKAGE_PACKAGES="dpkg-dev file desktop-file-utils appstream lintian"
# To test the real binary under a virtual X server, and the package; locales
# makes the German locale under which the simulator's readings are tested;
# the accessibility bus and its Python bindings read the window as a screen
# reader does; systemd's systemd-analyze verifies the logger's unit; groff
# renders the manual pages; Noto Sans CJK draws the Japanese texts.
TEST_PACKAGES="xvfb xauth xdotool x11-utils locales at-spi2-core python3-pyatspi dbus systemd
 groff-base fonts-noto-cjk $PACKAGE_PACKAGES"

# Installs those of the named packages that are missing, as root or through
# sudo; does nothing when all are there.
ensure_packages() {
    missing=""
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0

    echo "Installing missing packages:$missing"
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    elif command -v sudo >/dev/null 2>&1; then
        as_root="sudo"
    else
        echo "These Debian packages are missing and neither root nor sudo is available:$missing" >&2
        exit 1
    fi
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
}

# Makes the locale a test runs under when the machine lacks it (as root or
# through sudo; without either, that test skips itself).
ensure_test_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    if [ "$(id -u)" -eq 0 ]; then
        localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || true
    elif command -v sudo >/dev/null 2>&1; then
        sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || true
    fi
}

# Debian's build flags with every hardening (as its packages are built), for
# the builds that are packaged and tested. CMake reads CXXFLAGS and LDFLAGS
# when it first configures a build; the preprocessor's flags, such as
# _FORTIFY_SOURCE, go with CXXFLAGS.
debian_build_flags() {
    command -v dpkg-buildflags >/dev/null 2>&1 || return 0
    CXXFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS) $(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)"
    LDFLAGS=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)
    export CXXFLAGS LDFLAGS
}

# Configures (once) and builds everything into build/.
build_all() {
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        debian_build_flags
        cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# Configures (once) and builds into build-release/ in Release: the build that
# is packaged and measured. build_release [TARGET ...]; all when none given.
release_dir="$root/build-release"
build_release() {
    if [ ! -f "$release_dir/CMakeCache.txt" ]; then
        debian_build_flags
        cmake -S "$root" -B "$release_dir" -DCMAKE_BUILD_TYPE=Release
    fi
    if [ "$#" -gt 0 ]; then
        cmake --build "$release_dir" --parallel "$(nproc)" --target "$@"
    else
        cmake --build "$release_dir" --parallel "$(nproc)"
    fi
}

# scripts/screenshots takes the README's pictures with ImageMagick's import.
DOCS_PACKAGES="imagemagick"

# scripts/windows: the cross compiler, Wine to run what it builds, Ninja for
# Qt's own build, what unpacks Debian's source package of Qt Base, and NSIS,
# which makes the installer.
WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix wine64 ninja-build dpkg-dev xz-utils nsis groff-base"

# Static checks, and every file's copyright and licence (reuse).
LINT_PACKAGES="clang-tidy clang-format clazy reuse"

# Our C++ sources, as git knows them.
cxx_sources() {
    git -C "$root" ls-files '*.cpp' '*.h' | sed "s|^|$root/|"
}

# The fuzzing build: clang with its libFuzzer runtime.
FUZZ_PACKAGES="clang libclang-rt-14-dev"
