#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lapinar's everyday commands, each doing all of its own set-up on Debian 12 or 13, or Ubuntu:
#   ./lapinar.sh start [options]   install what is missing, build the lesson alone, start it
#   ./lapinar.sh build             install what is missing, build what `start` starts, without starting it
#   ./lapinar.sh test              install what is missing, build, run every test
#   ./lapinar.sh package           install what is missing, build, make the Debian package
set -euo pipefail
cd "$(dirname "$0")"

# What the lesson needs to build and run (and, for the tests, what they use beside it).
# Qt's text-to-speech CMake files need Qt Quick's (qt6-declarative-dev) to be found at all; the
# lesson itself uses no QML. The speech-dispatcher plugin and the espeak-ng voice read aloud.
# Qt's SVG image plug-in draws the pictures: libqt6svg6 holds it on Debian 12, Debian 13 moved it
# into a package of its own.
svg_plugin=libqt6svg6
if apt-cache show qt6-svg-plugins >/dev/null 2>&1; then svg_plugin=qt6-svg-plugins; fi
packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev "$svg_plugin" libfontconfig-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
          fonts-liberation)
test_packages=(clang-format git desktop-file-utils appstream dpkg-dev file lintian weston qt6-wayland poppler-utils
               orca speech-dispatcher speech-dispatcher-espeak-ng libao4 xvfb xdotool at-spi2-core dbus dbus-x11
               debootstrap)
# What CPack needs to make the Debian package: dpkg-shlibdeps finds its dependencies, file finds the program.
package_packages=(dpkg-dev file)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() { # build-folder extra-cmake-arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel
}

# Configure the everyday build folder only once: from then on Ninja re-runs CMake by itself when a
# CMakeLists.txt changes. ccache is used when it is there, so that a rebuild after a fresh clone is quicker.
configure_once() {
    [ -f build/build.ninja ] && return 0
    local launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
}

# What the lesson loads at run time: the program and the read-aloud voice beside it. Not the tests,
# benchmarks or icons, so the lesson starts sooner.
build_lesson() {
    install_missing "${packages[@]}"
    configure_once
    cmake --build build --parallel --target lapinar lapinar_speech
}

case "${1:-}" in
start)
    shift
    build_lesson
    exec build/lapinar "$@"
    ;;
build)
    build_lesson
    ;;
package)
    install_missing "${packages[@]}" "${package_packages[@]}"
    configure_once
    # What the package takes (program, read-aloud voice, icons, manual page, worksheets), not the
    # tests: CPack builds nothing itself before it installs.
    cmake --build build --parallel --target lapinar_installable
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    status=0
    (cd build && cpack -G DEB) >"$log" 2>&1 || status=$?
    deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$log")
    if [ "$status" -ne 0 ] || [ -z "$deb" ]; then
        cat "$log" >&2
        echo "lapinar.sh: cpack made no package (exit status $status); its output is above" >&2
        exit $((status == 0 ? 1 : status))
    fi
    echo "$deb"
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    # One house style: any file that clang-format would change fails the run before anything builds.
    git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
    # The Debian 13 root that the plain build's debian13 test builds and tests the lesson in is made
    # (the first time) and given its packages meanwhile, which is mostly waiting for the archive; the
    # test waits for it and says what went wrong if it did.
    mkdir -p build
    tests/debian13.sh --prepare . build >build/debian13-prepare.log 2>&1 &
    # First every test built with AddressSanitizer and UndefinedBehaviorSanitizer, halting on the
    # first report. Leak checking is off: Qt, fontconfig and the platform plugin keep allocations
    # for the life of the process that it would report. Packaging and the start and package
    # commands from a fresh clone (which build without the sanitizers anyway) are checked by the plain build.
    # Both builds treat a warning in the lesson's own code as an error (Qt's headers are system headers).
    build build-sanitize -DLAPINAR_SANITIZE=ON -DLAPINAR_WERROR=ON
    (cd build-sanitize &&
        ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure --parallel 2 -E 'install_and_package|user_paths')
    # Then the plain build; its summary ends the run.
    build build -DLAPINAR_WERROR=ON -DLAPINAR_DEBIAN13=ON
    cd build
    ctest --output-on-failure --parallel 2
    ;;
packages)
    # Every package the commands above install, one line, as this release names them: what the
    # Debian 13 root gets for the tests.
    echo "${packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
    ;;
*)
    sed -n '3,7p' "$0"
    exit 2
    ;;
esac
