#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lapinar's everyday commands, each doing all of its own set-up on Debian 12 or 13, or Ubuntu:
#   ./lapinar.sh start [options]   install what is missing, build the lesson alone, start it
#   ./lapinar.sh build             install what is missing, build what `start` starts, without starting it
#   ./lapinar.sh test              install what is missing, build, run every test (first says what it
#                                  will do, and stops at once when it cannot)
#   ./lapinar.sh check             only say what the test command will do, and whether it can
#   ./lapinar.sh package           install what is missing, build, make the Debian package
set -euo pipefail
cd "$(dirname "$0")"

# What the lesson needs to build and run (and, for the tests, what they use beside it).
# Qt's text-to-speech CMake files need Qt Quick's (qt6-declarative-dev) to be found at all; the
# lesson itself uses no QML. The speech-dispatcher plugin and the espeak-ng voice read aloud.
# Qt's SVG image plug-in draws the pictures: libqt6svg6 holds it on Debian 12, Debian 13 moved it
# into a package of its own; SVG-PLUGIN stands for whichever this release has.
packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev SVG-PLUGIN libfontconfig-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
          fonts-liberation)
test_packages=(clang-format git desktop-file-utils appstream dpkg-dev file lintian weston qt6-wayland poppler-utils
               orca speech-dispatcher speech-dispatcher-espeak-ng libao4 xvfb xdotool at-spi2-core dbus dbus-x11
               debootstrap iproute2 samba smbnetfs fuse3 smbclient libreoffice-calc-nogui unzip ccache mold)
# What CPack needs to make the Debian package: dpkg-shlibdeps finds its dependencies, file finds the program.
package_packages=(dpkg-dev file)

# The names as this release has them (asking the archive takes a second, so only when needed).
resolve() {
    local svg_plugin=libqt6svg6
    if dpkg-query -W -f='${Status}' qt6-svg-plugins 2>/dev/null | grep -q "install ok installed" ||
        apt-cache show qt6-svg-plugins >/dev/null 2>&1; then svg_plugin=qt6-svg-plugins; fi
    local -A seen=()
    local resolved=()
    for p in "${@/#SVG-PLUGIN/$svg_plugin}"; do
        [ -n "${seen[$p]:-}" ] || resolved+=("$p")
        seen[$p]=1
    done
    echo "${resolved[@]}"
}

# Which of the packages named are missing, in $missing, with one question to dpkg. A stamp in build/
# remembers that a list was all there: while dpkg's status file has not changed since, nothing is
# asked at all, so that starting a built lesson costs next to nothing.
stamp() { echo "build/.installed-$1"; }
find_missing() { # stamp-name packages...
    local name=$1 line=""
    shift
    missing=()
    if [ "$(stamp "$name")" -nt /var/lib/dpkg/status ]; then
        read -r line <"$(stamp "$name")" || true
        [ "$line" != "$*" ] || return 0
    fi
    local wanted installed
    read -r -a wanted <<<"$(resolve "$@")"
    # dpkg-query fails when it knows one of them not at all, which only means that one is missing.
    installed=$( (dpkg-query -W -f='${Package} ${Status}\n' "${wanted[@]}" 2>/dev/null || true) |
        awk '/ install ok installed$/ { print $1 }')
    for p in "${wanted[@]}"; do
        grep -qxF "$p" <<<"$installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ] && mkdir -p build 2>/dev/null; then echo "$*" >"$(stamp "$name")"; fi
}

# Root, or sudo: asked once, at the start, for its password when it needs one. Says what to do and
# stops when neither is there, rather than failing later.
as_root=()
can_be_root() { # what-it-is-for
    [ "$(id -u)" -ne 0 ] || return 0
    as_root=(sudo)
    local why="$(id -un) cannot use sudo (it is not installed)"
    if command -v sudo >/dev/null; then
        sudo -n true 2>/dev/null && return 0
        why="sudo needs $(id -un)'s password, and there is no terminal to ask it on"
        # Asked on the terminal, if there is one to ask on.
        if (: </dev/tty) 2>/dev/null; then
            echo "sudo asks once for your password, for $1:"
            sudo -v && return 0
            why="$(id -un) cannot use sudo"
        fi
    fi
    echo "lapinar.sh: $1 needs root, and $why."
    echo "What to do: run it as root, or from a terminal as a user who may use sudo (as root:"
    echo "apt-get install sudo; adduser $(id -un) sudo; then log in again)."
    return 1
}

# apt's proxy, when it is set only in the environment, which sudo does not pass on.
apt_options=()
[ -z "${http_proxy:-}" ] || apt_options+=(-o "Acquire::http::Proxy=$http_proxy")
[ -z "${https_proxy:-}" ] || apt_options+=(-o "Acquire::https::Proxy=$https_proxy")

install_missing() { # stamp-name packages...
    find_missing "$@"
    [ ${#missing[@]} -eq 0 ] && return 0
    can_be_root "installing ${missing[*]}" || exit 1
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get "${apt_options[@]}" update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get "${apt_options[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    find_missing "$@"
    [ ${#missing[@]} -eq 0 ] || { echo "lapinar.sh: apt-get did not install ${missing[*]}"; exit 1; }
}

# What the test command will do, and whether it can, said before anything is built; stops with
# what to do when it cannot.
preflight() {
    local root skip13=${LAPINAR_SKIP_DEBIAN13:-} needed=1 needed13=0 archive
    root=$(tests/debian13.sh --root)
    find_missing test "${packages[@]}" "${test_packages[@]}"
    echo "The test command will:"
    [ ${#missing[@]} -eq 0 ] || echo "  - install ${#missing[@]} Debian packages with apt-get: ${missing[*]}"
    echo "  - build the lesson in build-sanitize/ (with the sanitizers) and in build/, and run every test"
    if [ -n "$skip13" ]; then
        echo "  - NOT build and test it on Debian 13 (LAPINAR_SKIP_DEBIAN13 is set), so it is no full pass"
    elif [ -f "$root/.lapinar-root" ]; then
        echo "  - update the Debian 13 root in $root, and build and test the lesson in it"
    else
        echo "  - make a Debian 13 root with debootstrap in $root, shared by every clone on this"
        echo "    machine (about 600 MB downloaded, once; about 3 GB on disk), and build and test the lesson in it"
        needed13=3
    fi
    [ -f build-sanitize/build.ninja ] || needed=$((needed + 2))
    [ -f build/build.ninja ] || needed=$((needed + 1))
    # The tests that need root: files given to other logins, a Samba server and its mounts, the
    # Debian 13 root, the test command's own checks.
    local root_tests="the tests that need root (other logins' files, a Samba server, mounts, the Debian 13 root)"
    if [ "$(id -u)" -eq 0 ]; then
        echo "  - run every test as root"
    elif [ ${#missing[@]} -gt 0 ] || [ -z "$skip13" ]; then
        can_be_root "the test command" || {
            echo "Or, once the packages it needs are installed, run all but the Debian 13 step (no full pass):"
            echo "  LAPINAR_SKIP_DEBIAN13=1 ./lapinar.sh test"
            return 1
        }
        echo "  - run $root_tests through sudo, and all the others as $(id -un)"
    elif can_be_root "$root_tests"; then
        echo "  - run $root_tests through sudo, and all the others as $(id -un)"
    else
        echo "  - run $root_tests, which then FAIL: no full pass"
    fi
    # The archive, asked the way apt asks it (its proxy included).
    local suites=()
    [ ${#missing[@]} -eq 0 ] || suites+=("$(. /etc/os-release && echo "${VERSION_CODENAME:-}")")
    [ -n "$skip13" ] || suites+=(trixie)
    [ ${#suites[@]} -eq 0 ] || archive=$(tests/debian13.sh --archive) || return 1
    for suite in "${suites[@]}"; do
        local got
        got=$(mktemp)
        if ! timeout 60 /usr/lib/apt/apt-helper "${apt_options[@]}" download-file "$archive/dists/$suite/InRelease" "$got" \
            >/dev/null 2>&1; then
            rm -f "$got"
            echo "lapinar.sh: the package archive $archive cannot be reached. What to do: check the network;"
            echo "behind a proxy, set it for apt (Acquire::http::Proxy in /etc/apt/apt.conf.d/) or in http_proxy."
            return 1
        fi
        rm -f "$got"
    done
    local free at=$root
    until [ -d "$at" ]; do at=$(dirname "$at"); done
    [ "$(stat -c %d "$at")" != "$(stat -c %d .)" ] || { needed=$((needed + needed13)); needed13=0; }
    free=$(df -Pk . | awk 'NR == 2 { print int($4 / 1048576) }')
    if [ "$free" -lt "$needed" ]; then
        echo "lapinar.sh: the test command needs about $needed GB free in $PWD; there are $free GB."
        echo "What to do: make room there, or run it from a clone on a larger disk."
        return 1
    fi
    free=$(df -Pk "$at" | awk 'NR == 2 { print int($4 / 1048576) }')
    if [ "$free" -lt "$needed13" ]; then
        echo "lapinar.sh: the Debian 13 root needs about $needed13 GB free in $at; there are $free GB."
        echo "What to do: make room there."
        return 1
    fi
}

build() { # build-folder extra-cmake-arguments...
    local dir=$1
    shift
    local launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null || return
    # build_nice=N lowers the compilers' priority, so that tests running meanwhile are not kept waiting.
    ${build_nice:+nice -n "$build_nice"} cmake --build "$dir" --parallel
}

# Configure the everyday build folder only once: from then on Ninja re-runs CMake by itself when a
# CMakeLists.txt changes. ccache is used when it is there, so that a rebuild after a fresh clone is quicker.
# LAPINAR_WERROR=ON builds with warnings as errors, as the test command does (user_paths uses it, so
# that its clone compiles as the test command's build did, and ccache gives that build's objects back).
configure_once() {
    [ -f build/build.ninja ] && return 0
    local launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
        ${LAPINAR_WERROR:+"-DLAPINAR_WERROR=$LAPINAR_WERROR"} >/dev/null
}

# What the lesson loads at run time: the program, the read-aloud voice, the class view and its printing
# beside it. Not the tests, benchmarks or icons, so the lesson starts sooner.
# The build is said as one line of progress instead of the compiler's lines, which all go to
# build/build.log (its last lines are shown when it fails); the first build says first about how long
# it takes, from the processors there are (per_core: the minutes of processor time it took on a
# two-core machine busy with other work, 3.5, rounded up), and every build says at the end how long
# it took. When everything is built, Ninja has nothing to do and nothing is said.
build_lesson() {
    install_missing start "${packages[@]}"
    configure_once
    local per_core=4 started=$SECONDS status=0
    if [ ! -x build/lapinar ]; then
        local cores minutes
        cores=$(nproc)
        minutes=$(((per_core + cores - 1) / cores))
        echo "Building the lesson: about $minutes minute$([ $minutes -eq 1 ] || echo s) on this machine" \
            "($cores processor$([ "$cores" -eq 1 ] || echo s)), once; the build's own lines go to build/build.log."
    fi
    cmake --build build --parallel --target lapinar lapinar-class lapinar_speech lapinar_print 2>&1 |
        tee build/build.log | progress || status=$?
    if [ $status -ne 0 ]; then
        echo "lapinar.sh: the build failed; the last lines of build/build.log:" >&2
        grep -v '^\[[0-9]*/[0-9]*\] ' build/build.log | tail -n 30 >&2
        exit $status
    fi
    if grep -q '^\[[1-9][0-9]*/[0-9]*\] ' build/build.log; then
        echo "Built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s."
    fi
}

# Ninja's "[n/m] what" lines as one line that is rewritten on a terminal, else a line each tenth.
progress() {
    local line done_ total tenth=-1
    while IFS= read -r line; do
        # Step 0 is Ninja looking whether a folder changed, which it does at every start.
        [[ $line =~ ^\[([1-9][0-9]*)/([0-9]+)\]\  ]] || continue
        done_=${BASH_REMATCH[1]} total=${BASH_REMATCH[2]}
        if [ -t 1 ]; then
            printf '\rBuilding: step %d of %d (%d%%) ' "$done_" "$total" $((100 * done_ / total))
        elif [ $((10 * done_ / total)) -gt $tenth ]; then
            tenth=$((10 * done_ / total))
            echo "Building: step $done_ of $total ($((100 * done_ / total))%)"
        fi
    done
    [ ! -t 1 ] || [ -z "${total:-}" ] || echo
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
    install_missing package "${packages[@]}" "${package_packages[@]}"
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
check)
    preflight
    ;;
test)
    preflight || exit 1
    # sudo's word lasts minutes, the tests much longer: it is renewed until the end.
    if [ ${#as_root[@]} -gt 0 ]; then
        while sleep 60; do sudo -n -v 2>/dev/null || exit 0; done &
        keeper=$!
        trap 'kill $keeper 2>/dev/null || true' EXIT
    fi
    install_missing test "${packages[@]}" "${test_packages[@]}"
    # ccache (which the test command installs) names the files it compiles relative to the clone and
    # ignores the clone's folder, so that user_paths' fresh clone gets the plain build's objects back.
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    # One house style: any file that clang-format would change fails the run before anything builds.
    git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
    # The Debian 13 root that the plain build's debian13 test builds and tests the lesson in is made
    # (the first time) or brought up to date, and given its packages meanwhile, which is mostly
    # waiting for the archive; the test waits for it and says what went wrong if it did.
    mkdir -p build
    debian13=ON
    if [ -n "${LAPINAR_SKIP_DEBIAN13:-}" ]; then
        debian13=OFF
    else
        tests/debian13.sh --prepare . >build/debian13-prepare.log 2>&1 &
    fi
    # First every test built with AddressSanitizer and UndefinedBehaviorSanitizer, halting on the
    # first report. Leak checking is off: Qt, fontconfig and the platform plugin keep allocations
    # for the life of the process that it would report. Packaging and the start and package
    # commands from a fresh clone (which build without the sanitizers anyway) are checked by the plain build.
    # Both builds treat a warning in the lesson's own code as an error (Qt's headers are system headers).
    # Both link with mold, which the test command installs: linking each test with the whole lesson
    # and its debugging information took GNU ld a fifth of the builds' time.
    linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=mold -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=mold -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=mold)
    build build-sanitize -DLAPINAR_SANITIZE=ON -DLAPINAR_WERROR=ON "${linker[@]}"
    # Those tests spend most of their time waiting for Orca to speak, so they run while the plain
    # build compiles, at a lower priority; their results are shown when it ends, and the run stops
    # there if one of them failed.
    echo "The sanitizer build's tests run while the plain build compiles; their results follow it."
    (cd build-sanitize &&
        ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure --parallel 2 -E 'install_and_package|user_paths|test_command_checks|handin_shares') \
        >build-sanitize/tests.log 2>&1 &
    sanitized=$!
    status=0
    build_nice=10 build build -DLAPINAR_WERROR=ON -DLAPINAR_DEBIAN13=$debian13 "${linker[@]}" || status=$?
    wait $sanitized || { cat build-sanitize/tests.log; echo "A test failed in the sanitizer build."; exit 1; }
    cat build-sanitize/tests.log
    [ $status -eq 0 ] || exit $status
    # Then the plain build's tests; their summary ends the run.
    (cd build && ctest --output-on-failure --parallel 2) || status=$?
    [ $debian13 = ON ] || echo "The Debian 13 step did not run (LAPINAR_SKIP_DEBIAN13 is set): this is NOT a full pass."
    exit $status
    ;;
packages)
    # Every package the commands above install, one line, as this release names them: what the
    # Debian 13 root gets for the tests.
    resolve "${packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
    ;;
*)
    sed -n '3,9p' "$0"
    exit 2
    ;;
esac
